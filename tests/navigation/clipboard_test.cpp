#include "navigation/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

TEST(Clipboard, HoldsExactlyTheCopiedText) {
    const QString cases[] = {QStringLiteral("Номенклатура"), QStringLiteral("Планы cчетов"),
                             QString::fromUtf8("中 \xF0\x9F\x98\x80"), QString()};
    QGuiApplication::clipboard()->setText(QStringLiteral("прежнее"));
    for (const QString& text : cases) {
        kelvane::SpeedButton1Click(text);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    }
}
