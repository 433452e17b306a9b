// RunXtbScan where there is no way to run xtb yet (Windows).

#include "xtb_run.h"

XtbScan RunXtbScan(const FitRequest&, const std::function<void(std::string_view)>&)
{
    return {{}, "--xtb: por ahora solo está disponible en Linux; en este sistema, haga la exploración con xtb "
                "aparte y ajústela con --fit xtbscan.log --dihedral i,j,k,l"};
}
