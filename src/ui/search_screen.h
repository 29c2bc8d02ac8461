#pragma once
// What every search screen does the same way: a radio button naming the search field, a
// search edit, a read-only grid of the shared table and a close button. Each change of
// the edit selects the search index and positions the table on the nearest key, and the
// grid follows. A double click on a row, or the close button, closes the screen with that
// row current. When the screen goes, the table's primary index is selected again; the table
// stays open for the caller.
#include <QDialog>

#include <string>
#include <vector>

#include "ui/db_grid.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

struct SearchSetup {
    QString caption;        // "::.. Consultar Produtos e Serviços"
    QString radioCaption;   // "Descrição:"
    std::string indexName;  // "siDescricao"
    std::vector<GridColumn> columns;
    bool upperCase = false;    // letters typed in the edit become upper case
    bool gridOnLeave = false;  // leaving the edit moves the focus to the grid
};

class SearchScreen : public QDialog {
    Q_OBJECT
  public:
    SearchScreen(store::Table& table, SearchSetup setup, QWidget* parent = nullptr);
    ~SearchScreen() override;

    store::Table& table() const { return grid_->table(); }
    QRadioButton* radio() const { return radio_; }
    QLineEdit* searchEdit() const { return edit_; }
    DbGrid* grid() const { return grid_; }
    QPushButton* closeButton() const { return close_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void search(const QString& text);
    void selectSearchIndex();

    SearchSetup setup_;
    QRadioButton* radio_;
    QLineEdit* edit_;
    DbGrid* grid_;
    QPushButton* close_;
};

}  // namespace ui
