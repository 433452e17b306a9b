#include "dialog_builder.h"

#include "backend/backend.h"
#include "backend/report.h"
#include "backend/window_map.h"
#include "dialog_widget.h"
#include "dialog_window.h"
#include "list_window.h"
#include "owner_drawn_widget.h"
#include "resource_script/dialog_units.h"
#include "resource_script/window_styles.h"
#include "resources.h"
#include "text/ascii_text.h"
#include "toolkit.h"

#include <QComboBox>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

using ascii_text::EqualsIgnoringCase;
using namespace window_styles;

namespace {

const char* const kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The text a mnemonic caption shows: "&&" is '&', a single '&' marks the next letter.
QString WithoutMnemonic(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (++i == text.size()) break;
        }
        shown += text[i];
    }
    return shown;
}

// Sends dialog WM_COMMAND with code from control, as a control notifies its parent.
void Notify(DialogWindow* dialog, HWND__* control, UINT code)
{
    window_map::Deliver(dialog, WM_COMMAND, MAKEWPARAM(control->controlId, code),
                        reinterpret_cast<LPARAM>(control));
}

// What the builder knows while it makes one dialog's controls.
struct Builder {
    DialogWindow& window;
    DialogWidget& dialog;
    int dialogId;
    dialog_units::BaseUnits units;
    QFontMetrics metrics;

    std::unique_ptr<HWND__> MakeControl(const resource::ControlTemplate& control, int index);
    QWidget* MakeStatic(const resource::ControlTemplate& control, dialog_units::PixelRect& rect);
    QWidget* MakeOwnerDrawn(const resource::ControlTemplate& control, HWND__& window);
    QWidget* MakeEdit(const resource::ControlTemplate& control, HWND__& window);
    QWidget* MakeMultiLineEdit(const resource::ControlTemplate& control, HWND__& window);
    QWidget* MakeComboBox(const resource::ControlTemplate& control, HWND__& window,
                          dialog_units::PixelRect& rect);
    QWidget* MakeButton(const resource::ControlTemplate& control, HWND__& window);

    // Nothing of the dialog can be shown: a fatal error.
    void Fail(const std::string& what) const
    {
        ReportFatalError("el diálogo " + std::to_string(dialogId) + ": " + what);
    }
};

std::unique_ptr<HWND__> Builder::MakeControl(const resource::ControlTemplate& control, int index)
{
    dialog_units::PixelRect rect = dialog_units::ToPixels(control.rect, units);
    auto made = std::make_unique<HWND__>();
    const std::string& kind = control.className;
    const bool tabStop = (control.style & WS_TABSTOP) != 0;
    if (EqualsIgnoringCase(kind, "SysListView32")) {
        if ((control.style & LVS_TYPEMASK) != LVS_REPORT) {
            Fail("la lista " + std::to_string(control.id) + " no está en modo de informe");
            return nullptr;
        }
        made = std::make_unique<ListWindow>(window, (control.style & WS_BORDER) != 0, tabStop);
    } else if (EqualsIgnoringCase(kind, "Static")) {
        made->widget = (control.style & SS_TYPEMASK) == SS_OWNERDRAW ? MakeOwnerDrawn(control, *made)
                                                                     : MakeStatic(control, rect);
    } else if (EqualsIgnoringCase(kind, "Edit")) {
        made->widget = (control.style & ES_MULTILINE) != 0 ? MakeMultiLineEdit(control, *made)
                                                           : MakeEdit(control, *made);
    } else if (EqualsIgnoringCase(kind, "ComboBox")) {
        made->widget = MakeComboBox(control, *made, rect);
    } else if (EqualsIgnoringCase(kind, "Button")) {
        made->widget = MakeButton(control, *made);
    } else {
        Fail("la clase de control \"" + kind + "\" no está admitida");
        return nullptr;
    }
    if (made->widget == nullptr) return nullptr;

    QWidget* widget = made->widget;
    made->controlId = control.id;
    widget->setObjectName(control.id >= 0 ? QStringLiteral("control_%1").arg(control.id)
                                          : QStringLiteral("static_%1").arg(index));
    if (widget->focusPolicy() != Qt::NoFocus)
        widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    widget->setGeometry(rect.x, rect.y, rect.width, rect.height);
    widget->setHidden((control.style & WS_VISIBLE) == 0);
    widget->setEnabled((control.style & WS_DISABLED) == 0);
    dialog.WatchKeys(widget);
    return made;
}

QWidget* Builder::MakeStatic(const resource::ControlTemplate& control,
                             dialog_units::PixelRect& rect)
{
    const std::uint32_t type = control.style & SS_TYPEMASK;
    auto label = std::make_unique<QLabel>(&dialog);
    label->setFocusPolicy(Qt::NoFocus);
    label->setTextFormat(Qt::PlainText);
    if (type == SS_BITMAP || type == SS_ICON) {
        // A picture static takes the picture's own size and draws it 1:1.
        QImage image;
        if (type == SS_BITMAP)
            image = resources::LoadBitmap(control.textResource);
        else if (const HICON icon = resources::LoadIcon(control.textResource))
            image = icon->large;
        if (image.isNull()) {
            Fail("falta la imagen " + std::to_string(control.textResource));
            return nullptr;
        }
        label->setPixmap(QPixmap::fromImage(image));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        rect.width = image.width();
        rect.height = image.height();
        return label.release();
    }
    Qt::Alignment horizontal;
    switch (type) {
    case SS_LEFT:
    case SS_LEFTNOWORDWRAP: horizontal = Qt::AlignLeft; break;
    case SS_CENTER: horizontal = Qt::AlignHCenter; break;
    case SS_RIGHT: horizontal = Qt::AlignRight; break;
    default:
        Fail("el tipo de texto estático " + std::to_string(type) + " no está admitido");
        return nullptr;
    }
    label->setAlignment(horizontal | Qt::AlignTop);
    label->setText(FromUtf8(control.text));
    // Several lines fit in the template's height: the text wraps at word breaks.
    label->setWordWrap(type != SS_LEFTNOWORDWRAP && rect.height >= 2 * metrics.lineSpacing());
    return label.release();
}

// Its text is never shown: it names the control for screen readers.
QWidget* Builder::MakeOwnerDrawn(const resource::ControlTemplate& control, HWND__& window)
{
    auto* drawn = new OwnerDrawnWidget(this->window, window, &dialog);
    drawn->setAccessibleName(FromUtf8(control.text));
    return drawn;
}

// Every change of its text, from the user or the program, tells the dialog (EN_CHANGE).
QWidget* Builder::MakeEdit(const resource::ControlTemplate& control, HWND__& window)
{
    auto* edit = new QLineEdit(&dialog);
    edit->setMaxLength(backend::kEditMaxCharacters);
    edit->setFrame((control.style & WS_BORDER) != 0);
    const Qt::Alignment horizontal = (control.style & ES_RIGHT) != 0    ? Qt::AlignRight
                                     : (control.style & ES_CENTER) != 0 ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
    edit->setAlignment(horizontal | Qt::AlignVCenter);
    if ((control.style & ES_PASSWORD) != 0) edit->setEchoMode(QLineEdit::Password);
    edit->setReadOnly((control.style & ES_READONLY) != 0);
    edit->setText(FromUtf8(control.text));
    HWND__* source = &window;
    DialogWindow* owner = &this->window;
    QObject::connect(edit, &QLineEdit::textChanged, edit, [owner, source] { Notify(owner, source, EN_CHANGE); });
    return edit;
}

// Its lines wrap at the control's width, as an edit without ES_AUTOHSCROLL does; read-only,
// its text can still be selected with the mouse and the keyboard and copied.
QWidget* Builder::MakeMultiLineEdit(const resource::ControlTemplate& control, HWND__& window)
{
    auto* edit = new QPlainTextEdit(&dialog);
    edit->setFrameShape((control.style & WS_BORDER) != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setTabChangesFocus(true);
    if ((control.style & ES_READONLY) != 0) {
        edit->setReadOnly(true);
        edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    edit->setPlainText(FromUtf8(control.text));
    HWND__* source = &window;
    DialogWindow* owner = &this->window;
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [owner, source] { Notify(owner, source, EN_CHANGE); });
    return edit;
}

// The template's height is the list's when open; the closed box is as high as its font needs.
QWidget* Builder::MakeComboBox(const resource::ControlTemplate& control, HWND__& window,
                               dialog_units::PixelRect& rect)
{
    if ((control.style & CBS_TYPEMASK) != CBS_DROPDOWNLIST) {
        Fail("la lista desplegable " + std::to_string(control.id) + " no es de tipo CBS_DROPDOWNLIST");
        return nullptr;
    }
    auto* combo = new QComboBox(&dialog);
    rect.height = combo->sizeHint().height();
    HWND__* source = &window;
    DialogWindow* owner = &this->window;
    QObject::connect(combo, &QComboBox::activated, combo, [owner, source] { Notify(owner, source, CBN_SELCHANGE); });
    return combo;
}

QWidget* Builder::MakeButton(const resource::ControlTemplate& control, HWND__& button)
{
    const std::uint32_t type = control.style & BS_TYPEMASK;
    QAbstractButton* made = nullptr;
    if (type == BS_AUTOCHECKBOX) {
        made = new QCheckBox(FromUtf8(control.text), &dialog);
    } else if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        auto* push = new QPushButton(FromUtf8(control.text), &dialog);
        push->setDefault(type == BS_DEFPUSHBUTTON);
        made = push;
    } else {
        Fail("el tipo de botón " + std::to_string(type) + " no está admitido");
        return nullptr;
    }
    DialogWindow* owner = &window;
    HWND__* source = &button;
    // clicked comes from the user alone (a check box's setChecked sends none), after the toggle.
    QObject::connect(made, &QAbstractButton::clicked, made, [owner, source] {
        window_map::Deliver(owner, WM_COMMAND, MAKEWPARAM(source->controlId, BN_CLICKED),
                            reinterpret_cast<LPARAM>(source));
    });
    return made;
}

// Static texts with a mnemonic move the focus to the next control that takes it; without
// such a control the mnemonic is only shown. Edits and lists are named after the static text
// just before them, for screen readers.
void ConnectLabels(const resource::DialogTemplate& dialogTemplate, const DialogWindow& window)
{
    const auto& controls = window.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(controls[i]->widget);
        if (label == nullptr || !label->pixmap().isNull()) continue;
        const bool prefix = (dialogTemplate.controls[i].style & SS_NOPREFIX) == 0;
        if (prefix && label->text().contains(QLatin1Char('&'))) {
            QWidget* buddy = nullptr;
            for (std::size_t j = i + 1; j < controls.size() && buddy == nullptr; ++j) {
                if (controls[j]->widget->focusPolicy() != Qt::NoFocus) buddy = controls[j]->widget;
            }
            if (buddy != nullptr)
                label->setBuddy(buddy);
            else
                label->setText(WithoutMnemonic(label->text()));
        }
        if (i + 1 < controls.size()) {
            QWidget* next = controls[i + 1]->widget;
            if (qobject_cast<QLineEdit*>(next) != nullptr || qobject_cast<QPlainTextEdit*>(next) != nullptr ||
                qobject_cast<QComboBox*>(next) != nullptr || controls[i + 1]->AsList() != nullptr)
                next->setAccessibleName(prefix ? WithoutMnemonic(label->text()) : label->text());
        }
    }
}

void SetTabOrder(const DialogWindow& window)
{
    QWidget* previous = nullptr;
    for (const std::unique_ptr<HWND__>& control : window.controls) {
        if (control->widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, control->widget);
        previous = control->widget;
    }
}

// A template at 0, 0 is centred over its owner, or on the screen; any other position is
// taken from the owner's (or the screen's) top-left corner.
void Place(QWidget& dialog, const resource::Rect& templateRect, dialog_units::PixelRect rect,
           QWidget* owner)
{
    QRect area;
    if (owner != nullptr) {
        area = owner->window()->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (templateRect.x == 0 && templateRect.y == 0)
        dialog.move(area.center() - QPoint(rect.width / 2, rect.height / 2));
    else
        dialog.move(area.topLeft() + QPoint(rect.x, rect.y));
}

}  // namespace

QFont DialogFont(const resource::FontDescription& font)
{
    const bool classicFace = font.face.empty() || EqualsIgnoringCase(font.face, "MS Sans Serif") ||
                             EqualsIgnoringCase(font.face, "Microsoft Sans Serif") ||
                             EqualsIgnoringCase(font.face, "MS Shell Dlg") ||
                             EqualsIgnoringCase(font.face, "MS Shell Dlg 2");
    const int weight = font.weight <= 0 ? QFont::Normal : std::clamp(font.weight, 1, 1000);
    QFont dialogFont(classicFace ? QStringLiteral("Sans Serif") : FromUtf8(font.face),
                     font.pointSize > 0 ? font.pointSize : 8, weight, font.italic);
    dialogFont.setStyleHint(QFont::SansSerif);
    return dialogFont;
}

std::unique_ptr<DialogWindow> BuildDialogWindow(const resource::DialogTemplate& dialogTemplate,
                                                QWidget* owner)
{
    auto window = std::make_unique<DialogWindow>(dialogTemplate.id,
                                                 (dialogTemplate.style & WS_SYSMENU) != 0);
    window->SetDialog(std::make_unique<DialogWidget>(*window, owner));
    DialogWidget& dialog = window->Dialog();
    dialog.setObjectName(QStringLiteral("dialog_%1").arg(dialogTemplate.id));
    const QFont font = DialogFont(dialogTemplate.font);
    dialog.setFont(font);
    const QFontMetrics metrics(font);
    const dialog_units::BaseUnits units = dialog_units::BaseUnitsFromFont(
        metrics.horizontalAdvance(QLatin1String(kAlphabet)), metrics.height());
    const dialog_units::PixelRect rect = dialog_units::ToPixels(dialogTemplate.rect, units);
    dialog.setWindowTitle(FromUtf8(dialogTemplate.caption));
    dialog.setFixedSize(rect.width, rect.height);

    Builder builder{*window, dialog, dialogTemplate.id, units, metrics};
    for (std::size_t i = 0; i < dialogTemplate.controls.size(); ++i) {
        std::unique_ptr<HWND__> control =
            builder.MakeControl(dialogTemplate.controls[i], static_cast<int>(i));
        if (control == nullptr) return nullptr;
        window->controls.push_back(std::move(control));
    }
    ConnectLabels(dialogTemplate, *window);
    SetTabOrder(*window);
    Place(dialog, dialogTemplate.rect, rect, owner);
    return window;
}
