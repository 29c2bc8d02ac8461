#pragma once
// What the two bill queries share: a grid over the bills table, the period search and the
// "Nº Cheque:" search over its top bar, and the view put back after a posting, which takes
// the table onto its primary index to lock the bill it changes.
#include <QDialog>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/period.h"
#include "data/opened_tables.h"
#include "ui/db_grid_model.h"

class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
class DbGrid;
}  // namespace ui

namespace payables {

class BillsQuery : public QDialog {
    Q_OBJECT
  signals:
    // A period search succeeded.
    void searched(const core::Period& period);

  protected:
    // `periodIndex` orders the bills of a period search; `startIndex` is the view the screen
    // opens with. Tables closed on arrival are closed again on leaving.
    BillsQuery(data::Tdm& dm, store::Table& bills, std::initializer_list<store::Table*> opened,
               std::string periodIndex, std::string startIndex, std::vector<ui::GridColumn> columns,
               QWidget* parent);
    // The bill chosen stays current, on the primary index and no longer restricted.
    ~BillsQuery() override;

    // "&Pesquisar": the bills of the period typed; the user is told when it is not one.
    bool pesquisar();
    // The current bill's number; none, with `refusal` shown, when the grid is empty.
    std::optional<std::int64_t> currentBill(const QString& refusal);
    // Back to what the user was looking at, after a posting moved the table.
    void showAgain();

    data::Tdm& dm_;
    store::Table& bills_;
    QBoxLayout* bar_;  // the top bar: the dates and "&Pesquisar"; each screen adds its own
    ui::DbGrid* grid_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QLineEdit* cheque_;  // "Nº Cheque:" search box

  private:
    void findDocument(const QString& text);
    void applyView();

    data::OpenedTables opened_;
    const std::string periodIndex_;
    std::string index_;
    std::optional<core::Period> period_;  // the range shown, when the view is a period's
};

}  // namespace payables
