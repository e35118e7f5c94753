// quovex_skin_generator: draws the default skin and writes it into the program
// folder (Skins/, Help/), and the application icons into a folder of their
// own. Runs at build time; every picture and INI of the skin comes from here.
//
//   quovex_skin_generator [--program-dir DIR] [--icons-dir DIR] [--version TEXT]
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app_icons.h"
#include "composite_skin.h"
#include "help_page.h"
#include "language_texts.h"
#include "main_skin.h"
#include "output_folder.h"
#include "panel_bitmaps.h"
#include "small_dialog_skins.h"

namespace {

int Report(const QStringList& errors) {
    for (const QString& error : errors) std::fprintf(stderr, "quovex_skin_generator: %s\n", qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    using namespace quovex::skin_gen;
    // The generator never shows a window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates the default Quovex skin."));
    parser.addHelpOption();
    const QCommandLineOption program_dir(QStringLiteral("program-dir"),
                                         QStringLiteral("Writes Skins/ and Help/ into the program folder DIR."),
                                         QStringLiteral("DIR"));
    const QCommandLineOption icons_dir(QStringLiteral("icons-dir"),
                                       QStringLiteral("Writes the application icons into DIR."), QStringLiteral("DIR"));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("The program's version text."),
                                     QStringLiteral("TEXT"), QStringLiteral("0.0.0"));
    parser.addOption(program_dir);
    parser.addOption(icons_dir);
    parser.addOption(version);
    parser.process(app);
    if (!parser.isSet(program_dir) && !parser.isSet(icons_dir)) {
        std::fprintf(stderr, "quovex_skin_generator: give --program-dir, --icons-dir or both\n");
        return 2;
    }

    QStringList errors;
    if (parser.isSet(program_dir)) {
        const QDir program(parser.value(program_dir));
        OutputFolder skins(program.filePath(QStringLiteral("Skins")));
        GenerateMainSkin(skins);
        GeneratePanelBitmaps(skins);
        GenerateCompositeSkin(skins);
        GenerateProfileSkin(skins);
        GenerateUpdateSkin(skins);
        GenerateLanguageFile(skins, parser.value(version));
        errors << skins.Errors();
        OutputFolder help(program.filePath(QStringLiteral("Help")));
        GenerateHelp(help, parser.value(version));
        errors << help.Errors();
    }
    if (parser.isSet(icons_dir)) {
        OutputFolder icons(parser.value(icons_dir));
        GenerateAppIcons(icons);
        errors << icons.Errors();
    }
    return Report(errors);
}
