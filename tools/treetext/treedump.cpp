#include "tools/treetext/treedump.h"

namespace kelvane {

namespace {

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 32 || c == QLatin1Char('\\'))
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

} // namespace

QByteArray dumpNodes(const StoredNodes& nodes) {
    QByteArray out;
    const QChar tab = QLatin1Char('\t');
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const StoredNode& node = nodes[i];
        const QString line =
            QString::number(i) + tab + QString::number(node.depth) + tab + escaped(node.text) +
            tab + QString::number(node.imageIndex) + tab + QString::number(node.selectedIndex) +
            tab + QString::number(node.stateIndex) + tab + QString::number(node.overlayIndex) +
            tab + QString::number(node.data) + QLatin1Char('\n');
        out += line.toUtf8();
    }
    return out;
}

} // namespace kelvane
