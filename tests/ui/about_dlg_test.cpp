// The About box: its texts as the resource script gives them, and its picture.

#include "ui_test_support.h"

#include <QLabel>
#include <QTest>

#include <algorithm>

namespace {

using platform_testing::DialogOf;

class AboutDlgTest : public GuiTest {};

QStringList LabelTexts(QDialog* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty()) texts << label->text();
    return texts;
}

TEST_F(AboutDlgTest, ShowsNameVersionCreditAndPurposeAndEndsWithAceptar)
{
    CAboutDlg about;
    const INT_PTR result = RunDriven(about, [](CDialog& shown) {
        QDialog* window = DialogOf(shown);
        EXPECT_EQ(window->windowTitle(), "Acerca de Zelmara");
        const QStringList texts = LabelTexts(window);
        for (const char* expected :
             {"Zelmara Versión 1.0", "© Los autores de Zelmara", "15 - 3 - 2000",
              "Calcula los puntos extremos de la función indicada mediante el cálculo analítico de la derivada."})
            EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
        const auto labels = window->findChildren<QLabel*>();
        const auto pictures = std::count_if(labels.begin(), labels.end(),
                                            [](const QLabel* label) { return !label->pixmap().isNull(); });
        EXPECT_EQ(pictures, 1);   // the program's icon
        SavePicture(shown, "about_box.png");
        ClickButton(shown, IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

}  // namespace
