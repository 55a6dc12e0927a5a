// Values that reach the queries, the locates and the drawing routines: numbers of any size and
// sign, empty names, quotes and SQL metacharacters. The query texts join numbers only and names
// go through locate, so nothing here may fail other than with kelvane::Error.
#include "diagram/diagrams.h"
#include "diagram/hitregions.h"
#include "diagram/surfaceclicks.h"
#include "navigation/errorsink.h"
#include "navigation/headlessview.h"
#include "navigation/program.h"
#include "store/error.h"
#include "store/query.h"
#include "tools/builder/configuration.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

namespace {

class NoErrorBox : public kelvane::ErrorSink {
public:
    void showError(const QString&) override {}
};

const char* const Description = "Конф | Configuration\n"
                                "  Общие | CommonNode\n"
                                "    Роли | Roles\n"
                                "      Админ'истратор | Role\n"
                                "  Справочники | Catalogs\n"
                                "    Товары\" ; DROP TABLE konfigtree; -- | Catalog\n"
                                "      Реквизиты | AttributesGroup\n"
                                "        Цена | Attribute type=Ч imageindextype=2\n"
                                "      Табличные части | TabularSectionsGroup\n"
                                "        Состав | TabularSection\n"
                                "          Количество | Attribute type=Ч\n"
                                "      процедура ПередЗаписью\n"
                                "      функция Цена%_\n"
                                "  Документы | Documents\n"
                                "    Заказ | Document\n";

// The program over a small fixture, opened once for the whole run.
struct Fixture {
    Fixture() {
        using namespace kelvane::builder;
        const QString path = dir.filePath(QStringLiteral("Baza.mdb"));
        writeTables(path, buildTables(parseDescription(QString::fromUtf8(Description))).all(),
                    Format::Sqlite);
        program.setRoutines(kelvane::routinesOf(diagrams));
        program.create(path, diagrams.hitRegions().MemKordinat());
        program.FormShow({});
    }

    QTemporaryDir dir;
    NoErrorBox errors;
    kelvane::HeadlessView view;
    kelvane::Program program{view, errors};
    kelvane::Diagrams diagrams{program.database(), program.ADOTable1(), program.navigator()};
    kelvane::Query query{QStringLiteral("ADOQuery2"), program.database()};
};

// The application and the fixture live until the process ends: Qt's own globals are gone by the
// time static objects are destroyed, so neither is ever destroyed.
Fixture& fixture() {
    static int argc = 1;
    static char name[] = "fuzz_queries";
    static char* argv[] = {name, nullptr};
    static auto* application = new QGuiApplication(argc, argv);
    static auto* made = new Fixture;
    Q_UNUSED(application);
    return *made;
}

// The query texts of the routines, around the number they join in.
constexpr std::array<std::pair<const char*, const char*>, 4> JoinedTexts = {{
    {"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=", ") and (konfigtree.num<>0);"},
    {"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=", ");"},
    {"SELECT * FROM konfigtree WHERE (konfigtree.id_parent=", ") Order by num;"},
    {"SELECT * FROM prosedur WHERE ( ((prosedur.id_parent)=", ")) ORDER BY prosedur.id;"},
}};
constexpr std::array<const char*, 2> ParameterTexts = {
    "SELECT * FROM konfigtree WHERE konfigtree.num=:id1 order by name;",
    "SELECT * FROM konfigtree WHERE konfigtree.id_parent=:id1 order by name;"};
constexpr std::array<const char*, 3> Columns = {"num", "id", "name"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fixture& f = fixture();
    kelvane::Program& program = f.program;
    FuzzedDataProvider input(data, size);
    program.run([&] { program.history().ButNav1Click(); });
    for (int step = 0; step < 32 && input.remaining_bytes() > 0; ++step) {
        const auto operation = input.ConsumeIntegralInRange(0, 6);
        program.run([&] {
            switch (operation) {
            case 0: {
                const char* column = input.PickValueInArray(Columns);
                const QString value =
                    QString::fromUtf8(input.ConsumeRandomLengthString(300).c_str());
                program.ADOTable1().locate(QString::fromLatin1(column), value,
                                           {input.ConsumeBool(), input.ConsumeBool()});
                break;
            }
            case 1:
                program.ADOTable1().locateInteger(
                    QString::fromLatin1(input.PickValueInArray(Columns)),
                    input.ConsumeIntegral<std::int64_t>());
                break;
            case 2: {
                const auto& [head, tail] = input.PickValueInArray(JoinedTexts);
                f.query.reopen(QString::fromLatin1(head) +
                               QString::number(input.ConsumeIntegral<std::int32_t>()) +
                               QString::fromLatin1(tail));
                break;
            }
            case 3:
                f.query.close();
                f.query.setText(QString::fromLatin1(input.PickValueInArray(ParameterTexts)));
                f.query.reopenWithParam(input.ConsumeIntegral<std::int64_t>());
                break;
            case 4: {
                // A routine on whatever row is current, also one the dispatch would not choose.
                const kelvane::DiagramRoutines routines = kelvane::routinesOf(f.diagrams);
                const std::array<const std::function<void()>*, 4> all = {
                    &routines.DiagramKorn, &routines.DiagramObshie, &routines.DiagramObject,
                    &routines.DiagramObject1};
                (*input.PickValueInArray(all))();
                break;
            }
            case 5:
                f.diagrams.clicks().Image1MouseUp(Qt::LeftButton,
                                                  input.ConsumeIntegralInRange(-10, 3010),
                                                  input.ConsumeIntegralInRange(-10, 3010));
                break;
            default:
                program.navigator().TreeView1Click(input.ConsumeIntegralInRange(-2, 20));
                break;
            }
        });
    }
    return 0;
}
