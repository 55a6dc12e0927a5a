#pragma once

#include "navigation/navigatorview.h"
#include "store/treetext/recordingtreeview.h"

namespace kelvane {

// A view without a window whose tree holds the stored tree as LoadTree reads it, so that a tree
// and a table out of step fail as the window does ("Invalid index"). Used by the soak run and
// the tests of damaged databases; the texts a window would show are kept for reading.
class LoadedTreeView : public NavigatorView {
public:
    // The target LoadTree fills.
    RecordingTreeView& tree() { return tree_; }
    const StoredNodes& nodes() const { return tree_.nodes(); }

    void focusTree() override {}
    void selectAbsoluteIndex(int index) override;
    std::optional<int> firstNodeChildCount() const override;
    void setTreeRowHeight(int pixels) override { rowHeight_ = pixels; }
    void setTab1Caption(const QString& caption) override { caption_ = caption; }
    void setTab1Icon(int index) override { icon_ = index; }
    void hideTab2AndTab3() override { pagesHidden_ = true; }
    void setEd1(const QString& path) override { ed1_ = path; }
    void setEd2(const QString& name) override { ed2_ = name; }

    std::optional<int> selected() const { return selected_; }
    int rowHeight() const { return rowHeight_; }
    const QString& tab1Caption() const { return caption_; }
    int tab1Icon() const { return icon_; }
    bool pagesHidden() const { return pagesHidden_; }
    const QString& ed1() const { return ed1_; }
    const QString& ed2() const { return ed2_; }

private:
    RecordingTreeView tree_;
    std::optional<int> selected_;
    int rowHeight_ = 0;
    QString caption_;
    int icon_ = -1;
    bool pagesHidden_ = false;
    QString ed1_;
    QString ed2_;
};

} // namespace kelvane
