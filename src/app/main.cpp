// Orbika Finance Astrology.
//
// How a reading flows: an entry window reads its controls, asks the core (pure C++, no Qt) for the
// sign and profile, and writes the result into the process-wide reading state that the main
// window owns; the result and report windows then read that state. Every request to the
// operating system (message boxes, dialogs, clipboard, browser, settings, printer, clock) goes
// through the Platform interface, which QtPlatform implements here and a fake implements in tests.

#include "app/StartApplication.h"
#include "app/frmMDI.h"
#include "content/Pictures.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>

namespace {

constexpr int kUsageError = 2;

struct QtOption {
    const char* name;
    bool takesValue;
};

// The command-line options QGuiApplication and QApplication take themselves.
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"display", true},
    {"geometry", true},        {"style", true},
    {"stylesheet", true},      {"session", true},
    {"reverse", false},        {"widgetcount", false},
    {"nograb", false},         {"dograb", false},
    {"sync", false},
};

} // namespace

int main(int argc, char* argv[]) {
    // The settings store is kept under the program file's name, "orbika".
    QCoreApplication::setApplicationName(QStringLiteral("orbika"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORBIKA_VERSION));

    // The command line is read before the application object exists, so that --help and
    // --version work where no display is.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orbika Finance Astrology: financial, career and planet-sign readings."));
    // Not addHelpOption(): its --help-all would start the window system to list Qt's options.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    // Qt's own options stay usable (-platform wayland, -style fusion); QApplication reads them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const auto& [name, takesValue] : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        if (takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A saved reading (.zod or .cwc) to open."),
                                 QStringLiteral("[FILE]"));
    const QString usage = QStringLiteral("Usage: orbika [--help] [--version] [FILE]\n");
    if (!parser.parse(arguments) || parser.positionalArguments().size() > 1) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("Only one file can be opened at a time.")
                                  : parser.errorText();
        std::fputs(qPrintable(QStringLiteral("orbika: %1\n").arg(error) + usage), stderr);
        return kUsageError;
    }
    if (parser.isSet(help)) {
        // The help names the program after the application object's first argument.
        char name[] = "orbika";
        char* names[] = {name, nullptr};
        int count = 1;
        const QCoreApplication named(count, names);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(version)) {
        std::fputs("orbika " ORBIKA_VERSION "\n", stdout);
        return 0;
    }
    const QString file = parser.positionalArguments().value(0);

    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral(ORBIKA_APP_ID));
    QApplication::setWindowIcon(orbika::AppIcon());

    orbika::QtPlatform platform;
    const std::unique_ptr<orbika::frmMDI> window = orbika::StartApplication(platform, file);
    if (!window)
        return 0;
    return QApplication::exec();
}
