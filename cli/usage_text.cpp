#include "usage_text.h"

#include "command_line.h"
#include "fit_usage_text.h"
#include "number_text.h"

std::string HelpText()
{
    const std::string program(kProgramName);
    return "Uso: " + program + " [--v1 X] … [--v6 X] [--precision H] [--ascending] [--csv | --json] [--]\n"
           "     " + program + " --analyze [--v1 X] … [--v6 X] [--temperature K] [--csv | --json]\n"
           "                  [--plot ARCHIVO.svg] [--]\n"
           "\n"
           "Busca los extremos (mínimos y máximos) del potencial de torsión\n"
           "  V(φ) = ½ Σ Vn (1 − cos n(180 − φ)),  n = 1 … 6,\n"
           "recorriendo los ángulos φ = 0, H, H + H, … mientras no pasen de 180.1 grados.\n"
           "Cada ángulo en el que |dV/dψ| (ψ = 180 − φ, en radianes) es menor que H/10\n"
           "da una fila con el ángulo, la derivada y el potencial.\n"
           "Con --analyze da en cambio el análisis conformacional exacto de toda la vuelta.\n"
           "\n"
           "Opciones:\n"
           "  --v1 X … --v6 X   coeficientes V1 … V6 en kcal/mol (por omisión, 0)\n"
           "  --precision H     paso H en grados, de " + FormatRoundTrip(kMinPrecision) + " a " +
           FormatRoundTrip(kMaxPrecision) + " (por omisión, " + FormatRoundTrip(kDefaultPrecision) + ")\n"
           "  --ascending       filas de menor a mayor ángulo (por omisión, de mayor a menor,\n"
           "                    como en la lista de la ventana principal)\n"
           "  --csv             valores separados por comas (RFC 4180) en lugar de tabuladores;\n"
           "                    las líneas terminan en LF, no en CRLF, igual que con tabuladores\n"
           "  --json            un objeto JSON en lugar de la tabla (no se combina con --csv);\n"
           "                    cada número con las cifras justas para leerse de nuevo exacto.\n"
           "                    Sin --analyze: {\"V\": [V1, …, V6], \"precision\": H, \"rows\":\n"
           "                    [{\"angle\": …, \"derivative\": …, \"potential\": …}, …]}, en el\n"
           "                    orden de la tabla\n"
           "  --analyze         los puntos estacionarios de 0 a 360 grados (mínimos, máximos e\n"
           "                    inflexiones), la población de cada mínimo y las barreras entre\n"
           "                    mínimos vecinos, en lugar de la tabla; no se combina con\n"
           "                    --precision ni con --ascending\n"
           "  --temperature K   temperatura de las poblaciones en kelvin, de " + FormatRoundTrip(kMinTemperature) +
           " a " + FormatRoundTrip(kMaxTemperature) + "\n"
           "                    (por omisión, " + FormatRoundTrip(kDefaultTemperature) + "); solo con --analyze\n"
           "  --plot ARCHIVO    escribe además la gráfica de V(φ) en ARCHIVO, en SVG; solo con\n"
           "                    --analyze. Si no se puede escribir, el archivo que hubiera no cambia\n"
           "  --help            muestra esta ayuda y termina\n"
           "  --version         muestra la versión y termina\n"
           "  --                termina las opciones; el programa no admite otros argumentos,\n"
           "                    así que cualquier palabra tras -- se rechaza\n"
           "\n"
           "Cada opción admite también la forma --opción=valor. La palabra que sigue a una\n"
           "opción es su valor aunque empiece por un solo '-' (--v2 -0.157). Si una opción se repite,\n"
           "vale la última. Los números llevan punto decimal; si no hay punto, se admite una\n"
           "coma (0,005).\n"
           "\n"
           "Salida (UTF-8): la cabecera «Ángulo», «Derivada de V», «V(Kcal/mol)» y una línea\n"
           "por ángulo aceptado, con los números en formato %g. Con --analyze: la cabecera\n"
           "«Tipo», «Ángulo», «V(Kcal/mol)», «ΔV(Kcal/mol)», «Población (%)» y una línea por\n"
           "punto estacionario (ΔV y población solo en los mínimos); una línea vacía; la\n"
           "cabecera «Desde», «Hasta», «Sobre», «Barrera(Kcal/mol)» y una línea por barrera.\n"
           "Con --analyze --json: {\"V\", \"temperature_K\", \"constant\", \"stationary_points\",\n"
           "\"minima\", \"barriers\"}.\n"
           "\n"
           "Estado de salida: 0 si todo va bien, 1 si no se pudo escribir la salida o la\n"
           "gráfica, o no hubo memoria suficiente, 2 si los argumentos no son válidos o los\n"
           "coeficientes no se pueden analizar.\n" +
           FitHelpText();
}

std::string VersionText()
{
    return std::string(kProgramName) + " " + ZELMARA_VERSION + "\n";
}
