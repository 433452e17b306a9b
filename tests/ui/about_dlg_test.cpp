// The About box: its texts as the resource script gives them, and how it ends.

#include "ui_test_support.h"

#include <algorithm>

namespace {

class AboutDlgTest : public GuiTest {};

TEST_F(AboutDlgTest, ShowsNameVersionCreditAndPurposeAndEndsWithAceptar)
{
    CAboutDlg about;
    const INT_PTR result = RunDriven(about, [](CDialog& shown) {
        EXPECT_EQ(Title(shown), "Acerca de Zelmara");
        const std::vector<std::string> texts = StaticTexts(shown);
        for (const char* expected :
             {"Zelmara Versión 1.0", "© Los autores de Zelmara", "15 - 3 - 2000",
              "Calcula los puntos extremos de la función indicada mediante el cálculo analítico de la derivada."})
            EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
        Click(shown, IDOK);
    });
    EXPECT_EQ(result, IDOK);
}

}  // namespace
