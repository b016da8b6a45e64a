// The program's one application object; the framework's entry point runs it.
#include "ToneApp.h"

CToneApp theApp;
