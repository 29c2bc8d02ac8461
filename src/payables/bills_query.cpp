#include "payables/bills_query.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/dm.h"
#include "ui/date_box.h"
#include "ui/db_grid.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_width.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"
#include "ui/period_boxes.h"

namespace payables {

BillsQuery::BillsQuery(data::Tdm& dm, store::Table& bills, std::initializer_list<store::Table*> opened,
                       std::string periodIndex, std::string startIndex, std::vector<ui::GridColumn> columns,
                       QWidget* parent)
    : QDialog(parent),
      dm_(dm),
      bills_(bills),
      opened_(opened),
      periodIndex_(std::move(periodIndex)),
      index_(std::move(startIndex)) {
    bar_ = new QHBoxLayout;
    inicial_ = new ui::DateBox(this);
    inicial_->setObjectName(QStringLiteral("MaskEdit1"));
    final_ = new ui::DateBox(this);
    final_->setObjectName(QStringLiteral("MaskEdit2"));
    cheque_ = new QLineEdit(this);
    cheque_->setObjectName(QStringLiteral("Edit1"));
    cheque_->setMaxLength(10);
    cheque_->setMinimumWidth(ui::contentWidth(*cheque_));
    grid_ = new ui::DbGrid(bills, std::move(columns), this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    ui::allowEnterIn(grid_);

    bar_->addWidget(new QLabel(QStringLiteral("Data Inicial:"), this));
    bar_->addWidget(inicial_);
    bar_->addWidget(new QLabel(QStringLiteral("Data Final:"), this));
    bar_->addWidget(final_);
    QPushButton* search = ui::addButton(*bar_, QStringLiteral("&Pesquisar"), QStringLiteral("BitBtn1"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar_);
    layout->addWidget(grid_, 1);
    resize(820, 460);

    connect(search, &QPushButton::clicked, this, &BillsQuery::pesquisar);
    connect(cheque_, &QLineEdit::textChanged, this, &BillsQuery::findDocument);
    ui::installEnterAsTab(this);
    ui::runGuarded([this] { applyView(); });
}

BillsQuery::~BillsQuery() {
    ui::runGuarded([this] {
        if (!bills_.isOpen()) return;
        const std::optional<std::int64_t> chosen = bills_.bookmark();
        bills_.setIndexName({});
        if (chosen) bills_.gotoBookmark(*chosen);
    });
}

bool BillsQuery::pesquisar() {
    const std::optional<core::Period> typed =
        ui::readPeriod(*inicial_, *final_, QStringLiteral("Indique as Datas Inicial e Final"));
    if (!typed) return false;
    index_ = periodIndex_;
    period_ = typed;
    if (!ui::runGuarded([this] { applyView(); })) return false;
    emit searched(*typed);
    return true;
}

// Each change of the text moves to the first bill whose document is at or after it.
void BillsQuery::findDocument(const QString& text) {
    index_ = "siDOC";
    period_.reset();
    ui::runGuarded([&] {
        applyView();
        bills_.findNearest({store::Value{text.toStdString()}});
    });
}

void BillsQuery::applyView() {
    if (!bills_.isOpen()) bills_.open();
    bills_.setIndexName(index_);
    if (period_) bills_.setRange({period_->start.toIso()}, {period_->end.toIso()});
    if (index_.empty())
        bills_.last();  // the latest bills first in sight
    else
        bills_.first();
}

void BillsQuery::showAgain() {
    ui::runGuarded([this] {
        if (bills_.isOpen()) bills_.refresh();  // other stations' bills too
        applyView();
    });
}

std::optional<std::int64_t> BillsQuery::currentBill(const QString& refusal) {
    if (!bills_.isOpen() || bills_.isEmpty()) {
        ui::Dialogs::current().message(refusal);
        return std::nullopt;
    }
    return bills_.field("Contador").asInteger();
}

}  // namespace payables
