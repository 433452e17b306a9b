#include "afxwin.h"

// The program's entry point: the framework finds the application object and runs it.
int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
