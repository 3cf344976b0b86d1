#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace platform {

namespace {

constexpr int UsageError = 2;

void print(std::FILE *stream, const QString &text)
{
    std::fputs(printable(text).toLocal8Bit().constData(), stream);
}

} // namespace

QString programName(const char *programPath)
{
    const QString name =
        programPath ? QFileInfo(QString::fromLocal8Bit(programPath)).fileName() : QString();
    return name.isEmpty() ? u"lv-sortilo"_s : name;
}

QString printable(QString text)
{
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if ((code < 0x20 && code != u'\n' && code != u'\t') || (code >= 0x7f && code <= 0x9f) ||
            c.category() == QChar::Other_Format)
            c = QChar::ReplacementCharacter;
    }
    return text;
}

QString printableLine(const QString &text)
{
    return printable(text)
        .replace(u'\n', QChar::ReplacementCharacter)
        .replace(u'\t', QChar::ReplacementCharacter);
}

std::optional<int> answerCommandLine(int argc, char **argv)
{
    if (argc <= 1)
        return std::nullopt;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"LV Sortilo: Chinese bamboo-stick fortune readings (man 6 lv-sortilo)."_s);
    // Qt's own options, such as -reverse, are refused as a whole word each.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Not addHelpOption(): its --help-all would list options of Qt's that the
    // program refuses.
    parser.addOption({{u"h"_s, u"help"_s}, u"Displays help on commandline options."_s});
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString program = programName(argv[0]);
    const bool parsed = parser.parse(arguments);
    if (!parsed || !parser.positionalArguments().isEmpty()) {
        const QString error =
            !parsed ? parser.errorText()
                    : u"Unexpected argument '%1'."_s.arg(parser.positionalArguments().constFirst());
        print(stderr, printableLine(program + u": "_s + error) + u'\n');
        return UsageError;
    }
    if (parser.isSet(version)) {
        print(stdout, printableLine(program + u' ' + QStringLiteral(SORTILO_VERSION)) + u'\n');
    } else {
        // The help names the program as it was started, which Qt takes from
        // the application object.
        int count = 1;
        QCoreApplication application(count, argv);
        print(stdout, parser.helpText());
    }
    // A text that could not be written is a failure, as with a full disk.
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace platform
