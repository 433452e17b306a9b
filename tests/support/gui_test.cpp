#include "gui_test.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <memory>

namespace {

// Starts Qt once for the test program, as the program's entry point does.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // These tests never need a display, whoever runs them.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        m_application = platform_testing::StartApplication(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    char m_name[9] = "gui_test";
    char* m_argv[2] = {m_name, nullptr};
    int m_argc = 1;
    std::unique_ptr<QApplication> m_application;
};

[[maybe_unused]] const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace

void GuiTest::TearDown()
{
    EXPECT_EQ(platform_testing::PendingDialogDrivers(), 0) << "a queued driver was never run";
    platform_testing::ClearDialogDrivers();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList leaked;
    for (const QWidget* window : QApplication::topLevelWidgets())
        leaked << window->metaObject()->className() + QStringLiteral(" ") + window->objectName();
    EXPECT_TRUE(leaked.isEmpty()) << "top-level windows left: " << leaked.join(", ").toStdString();
}

INT_PTR RunDriven(CDialog& dlg, std::function<void(CDialog&)> driver)
{
    platform_testing::WhenNextDialogShown(std::move(driver));
    return dlg.DoModal();
}

QLineEdit* Edit(const CWnd& dlg, int id)
{
    return qobject_cast<QLineEdit*>(platform_testing::ControlOf(dlg, id));
}

void Type(const CWnd& dlg, int id, const char* text)
{
    QLineEdit* edit = Edit(dlg, id);
    ASSERT_NE(edit, nullptr) << "no edit " << id;
    edit->selectAll();
    const QString typed = QString::fromUtf8(text);
    bool ascii = true;
    for (const QChar c : typed) ascii = ascii && c.unicode() < 0x80;
    if (typed.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else if (ascii)
        QTest::keyClicks(edit, typed);
    else
        edit->insert(typed);   // as an input method commits it: QTest types ASCII only
}

void ClickButton(const CWnd& dlg, int id)
{
    auto* button = qobject_cast<QAbstractButton*>(platform_testing::ControlOf(dlg, id));
    ASSERT_NE(button, nullptr) << "no button " << id;
    QTest::mouseClick(button, Qt::LeftButton);
}

void SavePicture(const CWnd& dlg, const std::string& fileName)
{
    const QImage picture = platform_testing::GrabWindow(dlg);
    ASSERT_FALSE(picture.isNull());
    EXPECT_TRUE(picture.save(QString::fromStdString(fileName)));
}

QImage DialogSurface(const CWnd& dlg)
{
    QDialog* window = platform_testing::DialogOf(dlg);
    QImage image(window->size(), QImage::Format_RGB32);
    window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

PictureDifference Difference(const QImage& before, const QImage& after)
{
    PictureDifference difference;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y)) continue;
            difference.bounds |= QRect(x, y, 1, 1);
            ++difference.pixels;
        }
    }
    return difference;
}
