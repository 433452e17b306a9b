#include "app/extrema_app.h"

// The one application object; the framework's entry point finds it and calls InitInstance.
CExtremaApp theApp;
