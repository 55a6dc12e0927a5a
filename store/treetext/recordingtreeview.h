#pragma once

#include "store/treetext/treeviewtarget.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace kelvane {

// A tree view target without a widget: it keeps the nodes and writes every other call as one
// line of its log ("Left = 0", "Images = Form1.ImageList1", "beginUpdate", ...). Used by the
// command-line reader and by tests.
class RecordingTreeView : public TreeViewTarget {
public:
    // `owners` maps each top-level owner name to the components it owns.
    explicit RecordingTreeView(QMap<QString, QStringList> owners = mainWindowComponents());

    // Form1 with the components a stored tree text may refer to.
    static QMap<QString, QStringList> mainWindowComponents();

    const QStringList& log() const { return log_; }

    void setBoolean(const QString& property, bool value) override;
    void setInteger(const QString& property, std::int32_t value) override;
    void setColor(const QString& property, std::int32_t value) override;
    void setCursor(const QString& property, std::int32_t value) override;
    void setCharset(const QString& property, std::int32_t value) override;
    void setEnumeration(const QString& property, const QString& value) override;
    void setSet(const QString& property, const QStringList& elements) override;
    void setString(const QString& property, const QString& value) override;
    void setDesignSize(std::int32_t width, std::int32_t height) override;
    bool hasOwner(const QString& owner) const override;
    bool ownsComponent(const QString& owner, const QString& component) const override;
    void setReference(const QString& property, const QString& owner,
                      const QString& component) override;
    void clearReference(const QString& property) override;
    void beginUpdate() override;
    void endUpdate() override;
    void replaceNodes(StoredNodes nodes) override;
    const StoredNodes& nodes() const override { return nodes_; }

private:
    void record(const QString& property, const QString& value);
    const QStringList* components(const QString& owner) const;

    QMap<QString, QStringList> owners_;
    QStringList log_;
    StoredNodes nodes_;
};

} // namespace kelvane
