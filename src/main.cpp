#include "ui/application.h"
#include "ui/command_line.h"

int main(int argc, char** argv) {
    if (orvane::IsCommandLineRun(argc, argv))
        return orvane::RunCommandLine(argc, argv);
    return orvane::RunApplication(argc, argv);
}
