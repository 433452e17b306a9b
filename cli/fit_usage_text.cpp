#include "fit_usage_text.h"

#include "usage_text.h"

std::string FitHelpText()
{
    const std::string program(kProgramName);
    return "\n"
           "Ajuste a un perfil de energía:\n"
           "     " + program + " --fit ARCHIVO [--format table|xtb|gaussian|orca] [--dihedral i,j,k,l]\n"
           "                  [--xtb-input ARCHIVO] [--energy-unit hartree|kcal|kj|ev] [opciones de ajuste]\n"
           "     " + program + " --xtb MOLÉCULA.xyz --dihedral i,j,k,l [--step 15] [--xtb-method gfn2|gfnff]\n"
           "                  [--keep-scan CARPETA] [opciones de ajuste]\n"
           "Opciones de ajuste: [--terms 1,2,3,4 | --terms 1-6] [--cutoff E] [--boltzmann T]\n"
           "                    [--temperature K] [--csv | --json] [--plot ARCHIVO.svg]\n"
           "\n"
           "Con --fit lee una exploración de un diedro (una tabla de dos columnas, ángulo y energía;\n"
           "xtbscan.log de xtb; la salida de Gaussian u ORCA; el formato se deduce del contenido si\n"
           "no se da --format) y ajusta por mínimos cuadrados exactos el desplazamiento c y los\n"
           "términos Vn elegidos (por omisión, V1 … V4). Con --xtb hace antes la exploración con el\n"
           "programa xtb (paquete de Debian «xtb»; solo en Linux), en pasos de --step grados.\n"
           "  --dihedral i,j,k,l  los cuatro átomos del diedro, desde 1, como en $constrain de xtb\n"
           "  --cutoff E          deja fuera los puntos a más de E kcal/mol sobre el más bajo\n"
           "  --boltzmann T       pesa cada punto con exp(−E/RT) a la temperatura T (K)\n"
           "  --keep-scan CARPETA hace la exploración en CARPETA y deja allí sus archivos\n"
           "Salida: V1 … V6, c, los puntos usados y excluidos, el RMSE y el mayor residuo; la tabla\n"
           "de puntos (ángulo, referencia, ajuste, residuo, usado); los mínimos del propio perfil; y\n"
           "el análisis conformacional del potencial ajustado, como con --analyze. Con --json:\n"
           "{\"file\", \"format\", \"terms\", \"points\", \"V\", \"offset\", \"rmse\", \"max_error\",\n"
           "\"profile_minima\", \"warning\", \"analysis\", …}. --plot dibuja la curva ajustada con los\n"
           "puntos del perfil (los excluidos, en gris).\n";
}
