#pragma once

#include "navigation/navigatorview.h"

namespace kelvane {

// A view without a window: the tree is taken to match the table, so every selection succeeds;
// the texts that a window would show are kept for reading.
class HeadlessView : public NavigatorView {
public:
    void focusTree() override {}
    void selectAbsoluteIndex(int index) override { selected_ = index; }
    std::optional<int> firstNodeChildCount() const override { return 1; }
    void setTreeRowHeight(int) override {}
    void setTab1Caption(const QString& caption) override { caption_ = caption; }
    void setTab1Icon(int index) override { icon_ = index; }
    void hideTab2AndTab3() override {}
    void setEd1(const QString& path) override { ed1_ = path; }
    void setEd2(const QString& name) override { ed2_ = name; }

    std::optional<int> selected() const { return selected_; }
    const QString& tab1Caption() const { return caption_; }
    int tab1Icon() const { return icon_; }
    const QString& ed1() const { return ed1_; }
    const QString& ed2() const { return ed2_; }

private:
    std::optional<int> selected_;
    QString caption_;
    int icon_ = -1;
    QString ed1_;
    QString ed2_;
};

} // namespace kelvane
