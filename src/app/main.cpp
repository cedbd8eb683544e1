#include "app/ZumApp.h"
#include "util/LargeBlocks.h"

int main(int argc, char** argv) {
  zum::keepFreedMemoryForTheRun();
  U_Handle<XF_App> app = U_make<ZUMApp>();
  const int exitCode = XF_App::runApplication(argc - 1, argv + 1, app);
  // The driver finishes the project outputs when it goes.
  app.reset();
  return exitCode;
}
