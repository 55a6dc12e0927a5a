#include "app/treeview1target.h"

#include "app/storedtreemodel.h"
#include "app/storedtreeview.h"
#include "diagram/artwork.h"
#include "diagram/color.h"

#include <QFont>
#include <QPalette>
#include <array>

namespace kelvane {

namespace {

const QString form1 = QStringLiteral("Form1");

// The components of the main window a stored reference can name.
constexpr std::array form1Components = {"ImageList1", "ImageList3", "cxImageList1",
                                        "PopMen",     "ImCollKonf", "cxImageCollection2"};

bool is(const QString& property, const char* name) {
    return property.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// A plain 24-bit colour; system colours, clNone and clDefault keep the window's colour.
bool isPlainColor(std::int32_t value) {
    return value >= 0 && value <= 0xFFFFFF;
}

} // namespace

void TreeView1Target::setBoolean(const QString& property, bool value) {
    if (is(property, "Visible"))
        view_.setVisible(value);
    else if (is(property, "Enabled"))
        view_.setEnabled(value);
    else if (is(property, "ShowRoot"))
        view_.setRootIsDecorated(value);
    else if (is(property, "TabStop"))
        view_.setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TreeView1Target::setInteger(const QString& property, std::int32_t value) {
    QFont font = view_.font();
    if (is(property, "Indent"))
        view_.setIndentation(value);
    else if (is(property, "Font.Height") && value != 0) {
        font.setPixelSize(value < 0 ? -value : value);
        view_.setFont(font);
    } else if (is(property, "Font.Size") && value > 0) {
        font.setPointSize(value);
        view_.setFont(font);
    } else if (is(property, "Constraints.MinWidth"))
        view_.setMinimumWidth(value);
    else if (is(property, "Constraints.MinHeight"))
        view_.setMinimumHeight(value);
    else if (is(property, "Constraints.MaxWidth") && value > 0)
        view_.setMaximumWidth(value);
    else if (is(property, "Constraints.MaxHeight") && value > 0)
        view_.setMaximumHeight(value);
}

void TreeView1Target::setColor(const QString& property, std::int32_t value) {
    if (!isPlainColor(value))
        return;
    const QPalette::ColorRole role = is(property, "Color") ? QPalette::Base : QPalette::Text;
    QPalette colours = view_.palette();
    colours.setColor(role, fromBgr(static_cast<std::uint32_t>(value)));
    view_.setPalette(colours);
}

void TreeView1Target::setEnumeration(const QString& property, const QString& value) {
    if (is(property, "BorderStyle"))
        view_.setFrameShape(is(value, "bsNone") ? QFrame::NoFrame : QFrame::StyledPanel);
    else if (is(property, "Font.Pitch")) {
        QFont font = view_.font();
        font.setFixedPitch(is(value, "fpFixed"));
        view_.setFont(font);
    }
}

void TreeView1Target::setSet(const QString& property, const QStringList& elements) {
    if (!is(property, "Font.Style"))
        return;
    QFont font = view_.font();
    font.setBold(elements.contains(QStringLiteral("fsBold"), Qt::CaseInsensitive));
    font.setItalic(elements.contains(QStringLiteral("fsItalic"), Qt::CaseInsensitive));
    font.setUnderline(elements.contains(QStringLiteral("fsUnderline"), Qt::CaseInsensitive));
    font.setStrikeOut(elements.contains(QStringLiteral("fsStrikeOut"), Qt::CaseInsensitive));
    view_.setFont(font);
}

void TreeView1Target::setString(const QString& property, const QString& value) {
    if (is(property, "Hint"))
        view_.setToolTip(value);
    else if (is(property, "Font.Name")) {
        QFont font = view_.font();
        font.setFamilies({value, view_.font().defaultFamily()});
        view_.setFont(font);
    }
}

bool TreeView1Target::hasOwner(const QString& owner) const {
    return owner.compare(form1, Qt::CaseInsensitive) == 0;
}

bool TreeView1Target::ownsComponent(const QString& owner, const QString& component) const {
    if (!hasOwner(owner))
        return false;
    for (const char* name : form1Components)
        if (is(component, name))
            return true;
    return false;
}

void TreeView1Target::setReference(const QString& property, const QString&,
                                   const QString& component) {
    if (!is(property, "Images"))
        return;
    if (is(component, "ImageList1"))
        view_.nodes().setImages(&artwork::imageList1);
    else if (is(component, "ImageList3"))
        view_.nodes().setImages(&artwork::imageList3);
    else
        view_.nodes().setImages({});
}

void TreeView1Target::clearReference(const QString& property) {
    if (is(property, "Images"))
        view_.nodes().setImages({});
}

void TreeView1Target::beginUpdate() {
    view_.setUpdatesEnabled(false);
}

void TreeView1Target::endUpdate() {
    view_.setUpdatesEnabled(true);
}

void TreeView1Target::replaceNodes(StoredNodes nodes) {
    view_.nodes().setNodes(std::move(nodes));
}

const StoredNodes& TreeView1Target::nodes() const {
    return view_.nodes().nodes();
}

} // namespace kelvane
