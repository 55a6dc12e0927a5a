#include "store/treetext/treeviewproperty.h"

#include <QHash>

namespace kelvane {

namespace {

using Kind = TreeViewProperty::Kind;

QHash<QString, TreeViewProperty> buildTable() {
    QHash<QString, TreeViewProperty> table;
    auto add = [&table](Kind kind, const QStringList& paths, const QStringList& values = {}) {
        for (const QString& path : paths)
            table.insert(path.toLower(), TreeViewProperty{path, kind, values});
    };
    add(Kind::Object, {"Font", "Constraints", "Items"});
    add(Kind::Boolean,
        {"AutoExpand",  "Ctl3D",          "Enabled",        "HideSelection",    "HotTrack",
         "IsControl",   "MultiSelect",    "ParentBiDiMode", "ParentColor",      "ParentCtl3D",
         "ParentFont",  "ParentShowHint", "ReadOnly",       "RightClickSelect", "RowSelect",
         "ShowButtons", "ShowHint",       "ShowLines",      "ShowRoot",         "TabStop",
         "ToolTips",    "Visible"});
    add(Kind::Integer,
        {"Left", "Top", "Width", "Height", "BevelWidth", "BorderWidth", "ChangeDelay", "Indent",
         "TabOrder", "HelpContext", "Tag", "Font.Height", "Font.Size", "Constraints.MaxHeight",
         "Constraints.MaxWidth", "Constraints.MinHeight", "Constraints.MinWidth"});
    add(Kind::Color, {"Color", "Font.Color"});
    add(Kind::Cursor, {"Cursor", "DragCursor"});
    add(Kind::Charset, {"Font.Charset"});
    add(Kind::Enumeration, {"Align"},
        {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
    add(Kind::Enumeration, {"BevelInner", "BevelOuter"},
        {"bvNone", "bvLowered", "bvRaised", "bvSpace"});
    add(Kind::Enumeration, {"BevelKind"}, {"bkNone", "bkTile", "bkSoft", "bkFlat"});
    add(Kind::Enumeration, {"BiDiMode"},
        {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"});
    add(Kind::Enumeration, {"BorderStyle"}, {"bsNone", "bsSingle"});
    add(Kind::Enumeration, {"DragKind"}, {"dkDrag", "dkDock"});
    add(Kind::Enumeration, {"DragMode"}, {"dmManual", "dmAutomatic"});
    add(Kind::Enumeration, {"HelpType"}, {"htKeyword", "htContext"});
    add(Kind::Enumeration, {"SortType"}, {"stNone", "stData", "stText", "stBoth"});
    add(Kind::Enumeration, {"Font.Pitch"}, {"fpDefault", "fpVariable", "fpFixed"});
    add(Kind::Set, {"Anchors"}, {"akLeft", "akTop", "akRight", "akBottom"});
    add(Kind::Set, {"BevelEdges"}, {"beLeft", "beTop", "beRight", "beBottom"});
    add(Kind::Set, {"MultiSelectStyle"},
        {"msControlSelect", "msShiftSelect", "msVisibleOnly", "msSiblingOnly"});
    add(Kind::Set, {"Font.Style"}, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    add(Kind::String, {"Hint", "HelpKeyword", "Font.Name", "Name"});
    add(Kind::Reference, {"Images", "StateImages", "PopupMenu"});
    add(Kind::DesignSize, {"DesignSize"});
    add(Kind::Binary, {"Items.Data"});
    add(Kind::Event, {"OnAddition",
                      "OnAdvancedCustomDraw",
                      "OnAdvancedCustomDrawItem",
                      "OnChange",
                      "OnChanging",
                      "OnClick",
                      "OnCollapsed",
                      "OnCollapsing",
                      "OnCompare",
                      "OnContextPopup",
                      "OnCreateNodeClass",
                      "OnCustomDraw",
                      "OnCustomDrawItem",
                      "OnDblClick",
                      "OnDeletion",
                      "OnDragDrop",
                      "OnDragOver",
                      "OnEdited",
                      "OnEditing",
                      "OnEndDock",
                      "OnEndDrag",
                      "OnEnter",
                      "OnExit",
                      "OnExpanding",
                      "OnExpanded",
                      "OnGetImageIndex",
                      "OnGetSelectedIndex",
                      "OnKeyDown",
                      "OnKeyPress",
                      "OnKeyUp",
                      "OnMouseDown",
                      "OnMouseMove",
                      "OnMouseUp",
                      "OnStartDock",
                      "OnStartDrag"});
    return table;
}

} // namespace

const TreeViewProperty* TreeViewProperty::find(const QString& objectPath, const QString& name) {
    static const QHash<QString, TreeViewProperty> table = buildTable();
    const QString key = objectPath.isEmpty()
                            ? name.toLower()
                            : objectPath.toLower() + QLatin1Char('.') + name.toLower();
    const auto it = table.constFind(key);
    return it == table.constEnd() ? nullptr : &it.value();
}

} // namespace kelvane
