#include "store/error.h"
#include "tools/builder/configuration.h"
#include "tools/builder/picturenames.h"

#include <QStringList>
#include <limits>

namespace kelvane::builder {

namespace {

// One meaningful line of a description with its depth in the tree.
struct Line {
    int number = 0;
    int depth = 0;
    bool isProcedure = false;
    Node node;           // a node line
    Procedure procedure; // a procedure line
};

[[noreturn]] void fail(int line, const QString& message) {
    throw Error(QStringLiteral("Строка %1: %2").arg(line).arg(message));
}

int parseNumber(int line, const QString& key, const QString& value, int min, int max) {
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < min || number > max)
        fail(line, QStringLiteral("значение %1 «%2» должно быть целым числом от %3 до %4")
                       .arg(key, value)
                       .arg(min)
                       .arg(max));
    return static_cast<int>(number);
}

int parsePicture(int line, const QString& value) {
    bool isNumber = false;
    value.toInt(&isNumber);
    if (isNumber)
        return parseNumber(line, QStringLiteral("картинки"), value, std::numeric_limits<int>::min(),
                           std::numeric_limits<int>::max());
    const auto index = pictureByName(value);
    if (!index)
        fail(line, QStringLiteral("неизвестная картинка «%1»").arg(value));
    return *index;
}

void applyAttributes(int line, const QString& text, Node& node) {
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        const qsizetype equals = token.indexOf(QLatin1Char('='));
        const QString key = equals < 0 ? QStringLiteral("picture") : token.left(equals);
        const QString value = equals < 0 ? token : token.mid(equals + 1);
        if (key == QLatin1String("picture")) {
            node.imageIndex = parsePicture(line, value);
        } else if (key == QLatin1String("type")) {
            if (value.size() > 5)
                fail(line, QStringLiteral("тип «%1» длиннее 5 символов").arg(value));
            node.type = value;
        } else if (key == QLatin1String("col1")) {
            node.col1 = parseNumber(line, key, value, 0, std::numeric_limits<std::int16_t>::max());
        } else if (key == QLatin1String("imageindextype")) {
            node.imageIndexType =
                parseNumber(line, key, value, 0, std::numeric_limits<std::uint16_t>::max());
        } else {
            fail(line, QStringLiteral("неизвестный атрибут «%1»").arg(key));
        }
    }
}

// A "процедура Имя" or "функция Имя" line, the keyword in any letter case.
bool parseProcedure(const QString& text, Procedure& procedure) {
    static const std::pair<QString, QString> kinds[] = {
        {QStringLiteral("процедура"), QStringLiteral("Процедура")},
        {QStringLiteral("функция"), QStringLiteral("Функция")},
    };
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const QString keyword = (blank < 0 ? text : text.left(blank)).toLower();
    for (const auto& [word, kind] : kinds) {
        if (keyword == word) {
            procedure.kind = kind;
            procedure.name = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
            return true;
        }
    }
    return false;
}

Line parseLine(int number, const QString& text) {
    Line line;
    line.number = number;
    if (parseProcedure(text, line.procedure)) {
        line.isProcedure = true;
        if (line.procedure.name.isEmpty())
            fail(number, QStringLiteral("у процедуры или функции нет имени"));
        if (line.procedure.name.size() > 255)
            fail(number, QStringLiteral("имя процедуры длиннее 255 символов"));
        return line;
    }
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    line.node.name = (bar < 0 ? text : text.left(bar)).trimmed();
    if (line.node.name.isEmpty())
        fail(number, QStringLiteral("у узла нет имени"));
    if (line.node.name.size() > 255)
        fail(number, QStringLiteral("имя узла длиннее 255 символов"));
    if (bar >= 0)
        applyAttributes(number, text.mid(bar + 1), line.node);
    return line;
}

// Reads the lines, giving each a depth from its indentation: deeper than the line before opens
// a level, equal to an open level returns to it.
std::vector<Line> readLines(const QString& text) {
    std::vector<Line> lines;
    std::vector<qsizetype> indents;
    const QStringList rows = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        QString row = rows[i];
        if (row.endsWith(QLatin1Char('\r')))
            row.chop(1);
        const QString content = row.trimmed();
        if (content.isEmpty() || content.startsWith(QLatin1Char('#')))
            continue;
        qsizetype indent = 0;
        while (row[indent] == QLatin1Char(' '))
            ++indent;
        if (row[indent] == QLatin1Char('\t'))
            fail(number, QStringLiteral("отступ табуляцией, нужны пробелы"));
        if (indents.empty()) {
            if (indent != 0)
                fail(number, QStringLiteral("корень конфигурации должен начинаться без отступа"));
            indents.push_back(0);
        } else if (indent > indents.back()) {
            if (lines.back().isProcedure)
                fail(number, QStringLiteral("у процедуры не может быть вложенных строк"));
            indents.push_back(indent);
        } else {
            while (indent < indents.back())
                indents.pop_back();
            if (indent != indents.back())
                fail(number, QStringLiteral("отступ не совпадает ни с одним уровнем выше"));
            if (indents.size() == 1)
                fail(number, QStringLiteral("второй корень: у конфигурации один корень"));
        }
        Line line = parseLine(number, content);
        line.depth = static_cast<int>(indents.size()) - 1;
        if (line.isProcedure && line.depth == 0)
            fail(number, QStringLiteral("процедура вне узла"));
        lines.push_back(std::move(line));
    }
    return lines;
}

Node buildNode(std::vector<Line>& lines, std::size_t& next) {
    Line& line = lines[next++];
    Node node = std::move(line.node);
    while (next < lines.size() && lines[next].depth == line.depth + 1) {
        if (lines[next].isProcedure)
            node.procedures.push_back(std::move(lines[next++].procedure));
        else
            node.children.push_back(buildNode(lines, next));
    }
    return node;
}

} // namespace

Configuration parseDescription(const QString& text) {
    std::vector<Line> lines = readLines(text);
    if (lines.empty())
        throw Error(QStringLiteral("Описание конфигурации пусто: нет ни одного узла"));
    std::size_t next = 0;
    return Configuration{buildNode(lines, next)};
}

} // namespace kelvane::builder
