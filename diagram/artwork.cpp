#include "diagram/artwork.h"

#include "diagram/color.h"
#include "diagram/pictureindex.h"
#include "store/error.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <array>
#include <cassert>
#include <map>
#include <string_view>

// The resources live in a static library: register them once, before the first picture is read.
static void initArtworkResources() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(artwork);
        registered = true;
    }
}

namespace kelvane::artwork {

namespace {

using namespace kelvane::picture;

// Im0..Im93 in index order; ImageList1 shows the same files at the same indexes.
constexpr std::array<const char*, ObjectIconCount> ObjectFiles = {
    "configuration",
    "commonnode",
    "subsystems",
    "subsystem",
    "commonmodules",
    "commonmodule",
    "sessionparameters",
    "sessionparameter",
    "roles",
    "role",
    "exchangeplans",
    "exchangeplan",
    "xdtopackage",
    "webservice",
    "wsreference",
    "style",
    "commonforms",
    "commonform",
    "commontemplates",
    "commontemplate",
    "filtercriteria",
    "filtercriterion",
    "eventsubscriptions",
    "eventsubscription",
    "scheduledjobs",
    "scheduledjob",
    "interfaces",
    "interface",
    "calculationregister",
    "templatesgroup",
    "commonpictures",
    "commonpicture",
    "xdtopackages",
    "webservices",
    "wsreferences",
    "styles",
    "template",
    "dimensionsgroup",
    "dimension",
    "languages",
    "language",
    "constants",
    "constant",
    "catalogs",
    "catalog",
    "documents",
    "document",
    "resourcesgroup",
    "resource",
    "graphsgroup",
    "graph",
    "valuesgroup",
    "documentjournals",
    "documentjournal",
    "enumvalue",
    "addressingattributesgroup",
    "enums",
    "enum",
    "attributesgroup",
    "attribute",
    "reports",
    "report",
    "dataprocessors",
    "dataprocessor",
    "chartsofcharacteristictypes",
    "chartofcharacteristictypes",
    "chartsofaccounts",
    "chartofaccounts",
    "tabularsectionsgroup",
    "tabularsection",
    "formsgroup",
    "form",
    "chartsofcalculationtypes",
    "chartofcalculationtypes",
    "informationregisters",
    "informationregister",
    "tabularsectionattribute",
    "standardattribute",
    "routepoint",
    "addressingattribute",
    "accumulationregisters",
    "accumulationregister",
    "accountingregisters",
    "accountingregister",
    "calculationregisters",
    "businessprocesses",
    "businessprocess",
    "tasks",
    "task",
    "predefineditem",
    "objectmodule",
    "procedure",
    "function",
    "othernode",
};

// ImageList1 beyond the object pictures: the two lower page tabs and the spare table picture.
constexpr std::array<const char*, ImageList1Count - ObjectIconCount> TabFiles = {
    "currentdata",
    "history",
    "table",
};

// ImageList3: the toolbar buttons in the order of the two bars, each showing its class picture.
constexpr std::array<int, ImageList3Count - 2> ToolbarPictures = {
    Configuration,
    CommonNode,
    Subsystems,
    CommonModules,
    SessionParameters,
    Roles,
    ExchangePlans,
    FilterCriteria,
    EventSubscriptions,
    ScheduledJobs,
    CommonForms,
    Interfaces,
    CommonTemplates,
    CommonPictures,
    XdtoPackages,
    WebServices,
    WsReferences,
    Styles,
    Languages,
    Constants,
    Catalogs,
    Documents,
    DocumentJournals,
    Enums,
    Reports,
    DataProcessors,
    ChartsOfCharacteristicTypes,
    ChartsOfAccounts,
    ChartsOfCalculationTypes,
    InformationRegisters,
    AccumulationRegisters,
    AccountingRegisters,
    CalculationRegisters,
    BusinessProcesses,
    Tasks,
};

constexpr int AboutPicture = 35;    // N5 "О программе"
constexpr int OpenBasePicture = 36; // N3 "Открыть базу данных"

constexpr std::array<const char*, 5> HistoryFiles = {
    "historyclear", "historydelete", "historyprevious", "historynext", "historyshow",
};

constexpr std::array<int, 6> ProgramIconSizes = {16, 32, 48, 64, 128, 256};

QImage render(const char* name, QSize size, bool onBackground) {
    initArtworkResources();
    const QString path = QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name));
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        throw Error(QStringLiteral("Не удалось загрузить изображение программы %1").arg(path));
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(onBackground ? fromBgr(bgr::Background) : QColor(Qt::transparent));
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
    painter.end();
    return onBackground ? image.convertToFormat(QImage::Format_RGB32) : image;
}

// Pictures are drawn once and kept for the run (user-interface thread only).
const QImage& surfacePicture(const char* name, QSize size = QSize(16, 16)) {
    static std::map<std::string_view, QImage> cache;
    auto found = cache.find(name);
    if (found == cache.end()) {
        found = cache.emplace(name, render(name, size, true)).first;
    }
    return found->second;
}

QIcon icon(const char* name) {
    static std::map<std::string_view, QIcon> cache;
    auto found = cache.find(name);
    if (found == cache.end()) {
        const QPixmap pixmap = QPixmap::fromImage(render(name, QSize(16, 16), false));
        found = cache.emplace(name, QIcon(pixmap)).first;
    }
    return found->second;
}

} // namespace

const QImage& objectIcon(int index) {
    assert(index >= 0 && index < ObjectIconCount && "callers check the range 0..93");
    if (index < 0 || index >= ObjectIconCount) {
        static const QImage none;
        return none;
    }
    return surfacePicture(ObjectFiles[static_cast<std::size_t>(index)]);
}

const QImage& img1() {
    return surfacePicture("img1");
}
const QImage& img2() {
    return surfacePicture("img2");
}
const QImage& modulePicture() {
    return surfacePicture("module", QSize(17, 16));
}
const QImage& procedurePicture() {
    return surfacePicture("procedure");
}
const QImage& functionPicture() {
    return surfacePicture("function");
}

QIcon imageList1(int index) {
    if (index < 0 || index >= ImageList1Count) {
        return {};
    }
    if (index < ObjectIconCount) {
        return icon(ObjectFiles[static_cast<std::size_t>(index)]);
    }
    return icon(TabFiles[static_cast<std::size_t>(index - ObjectIconCount)]);
}

QIcon imageList3(int index) {
    if (index < 0 || index >= ImageList3Count) {
        return {};
    }
    if (index == AboutPicture) {
        return icon("about");
    }
    if (index == OpenBasePicture) {
        return icon("openbase");
    }
    const int object = ToolbarPictures[static_cast<std::size_t>(index)];
    return icon(ObjectFiles[static_cast<std::size_t>(object)]);
}

QIcon programIcon() {
    static QIcon cache;
    if (cache.isNull()) {
        for (const int side : ProgramIconSizes) {
            cache.addPixmap(QPixmap::fromImage(render("program", QSize(side, side), false)));
        }
    }
    return cache;
}

QIcon historyButtonIcon(int button) {
    if (button < 1 || button > static_cast<int>(HistoryFiles.size())) {
        return {};
    }
    return icon(HistoryFiles[static_cast<std::size_t>(button - 1)]);
}

QIcon copyButtonIcon() {
    return icon("copy");
}

} // namespace kelvane::artwork
