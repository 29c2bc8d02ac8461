#pragma once
// What every search screen does the same way: a radio button naming the search field, a
// search edit, a read-only grid of the shared table and a close button. Each change of
// the edit selects the search index and positions the table on the nearest key, and the
// grid follows. A screen may offer a second search (another radio button and edit, over
// another index); the first is selected at start, and typing in either edit selects it. A double click on a
// row, or the close button, closes the screen with that row current. When the screen goes, the table's
// primary index is selected again; the table stays open for the caller.
#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "ui/db_grid.h"

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

// A second way of searching: its radio caption and index ("" is the primary index).
struct OtherSearch {
    QString radioCaption;
    std::string indexName;
};

struct SearchSetup {
    QString caption;        // "::.. Consultar Produtos e Serviços"
    QString radioCaption;   // "Descrição:"
    std::string indexName;  // "siDescricao"
    std::vector<GridColumn> columns;
    bool upperCase = false;    // letters typed in the edit become upper case
    bool gridOnLeave = false;  // leaving the first edit moves the focus to the grid
    std::optional<OtherSearch> other;
};

class SearchScreen : public QDialog {
    Q_OBJECT
  public:
    SearchScreen(store::Table& table, SearchSetup setup, QWidget* parent = nullptr);
    ~SearchScreen() override;

    store::Table& table() const { return grid_->table(); }
    QRadioButton* radio() const { return radio_; }
    QLineEdit* searchEdit() const { return edit_; }
    // The second search's controls; null when the screen has only one.
    QRadioButton* otherRadio() const { return otherRadio_; }
    QLineEdit* otherEdit() const { return otherEdit_; }
    DbGrid* grid() const { return grid_; }
    QPushButton* closeButton() const { return close_; }
    // A screen's own button ("&Novo", "&Nova Conta"), put first in the bar of the close button.
    void addBarButton(QPushButton* button);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void search(const std::string& indexName, QLineEdit* edit, const QString& text);
    void selectIndex(const std::string& indexName);

    SearchSetup setup_;
    QRadioButton* radio_;
    QLineEdit* edit_;
    QRadioButton* otherRadio_ = nullptr;
    QLineEdit* otherEdit_ = nullptr;
    DbGrid* grid_;
    QPushButton* close_;
    QHBoxLayout* bar_;
};

}  // namespace ui
