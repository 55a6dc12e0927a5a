#include "app/aboutbox.h"

#include "app/form1.h"
#include "tests/app/appfixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

QString labelText(const TAboutBox& box, const char* name) {
    const auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<нет %1>").arg(QString::fromLatin1(name));
}

QStringList contentOf(const TAboutBox& box) {
    QStringList content{box.windowTitle()};
    for (const char* name : {"ProductName", "Comments", "Version", "Label3", "Label1", "Label2"})
        content << labelText(box, name);
    return content;
}

} // namespace

TEST(AboutBox, ShowsTheProgramDataInItsFixedLayout) {
    TAboutBox box;
    EXPECT_EQ(contentOf(box), (QStringList{"О программе", "Название :", "Kelvane",
                                           "Версия :", "1.8.1.2", "Дата релиза :", "06.10.2015"}));
    EXPECT_TRUE(labelText(box, "Label7").startsWith(QStringLiteral("Программа Kelvane")));
    EXPECT_TRUE(labelText(box, "Label7").endsWith(QStringLiteral("необходимую информацию.")));
    EXPECT_EQ(box.size(), QSize(315, 362));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.okButton()->geometry(), QRect(120, 328, 75, 25));
    EXPECT_TRUE(box.okButton()->isDefault());
}

TEST(AboutBox, OpensModallyFromTheMenuAnyNumberOfTimes) {
    WorkingDirectory dir;
    dir.writeBaza(smallConfiguration());
    ErrorRecorder errors;
    TForm1 form(errors);
    form.show();
    QAction* n5 = form.findChild<QAction*>(QStringLiteral("N5"));
    ASSERT_NE(n5, nullptr);
    TAboutBox& box = form.aboutBox();
    EXPECT_FALSE(box.isVisible());
    const QStringList first = contentOf(box);
    for (int time = 0; time < 2; ++time) {
        n5->trigger();
        EXPECT_TRUE(box.isVisible());
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(contentOf(box), first);
        box.okButton()->click();
        EXPECT_FALSE(box.isVisible());
    }
}
