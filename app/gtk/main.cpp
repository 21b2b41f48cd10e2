#include "app/gtk/TaveloApp.h"

int main(int argc, char** argv) { return tavelo::CtaveloApp().Run(argc, argv); }
