#include <iostream>
#include <string>
#include <vector>

#include "cli/keyboard_session.h"
#include "cli/quovexctl.h"
#include "device/program_folder.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const quovex::cli::KeyboardOpener open_keyboard = [](std::string* error) {
        return quovex::cli::OpenKeyboardSession(quovex::ProgramFolder(), error);
    };
    const int status = quovex::cli::RunQuovexctl(arguments, std::cout, std::cerr, open_keyboard);
    std::cout.flush();
    return status;
}
