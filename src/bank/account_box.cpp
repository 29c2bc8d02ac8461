#include "bank/account_box.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "data/dm.h"
#include "data/opened_tables.h"
#include "registers/bank_account_search.h"
#include "ui/field_width.h"
#include "ui/guarded.h"

namespace bank {

AccountBox::AccountBox(data::Tdm& dm, const QString& boxName, const QString& buttonCaption,
                       const QString& buttonName, QWidget* parent)
    : QWidget(parent), dm_(dm), box_(new QLineEdit(this)) {
    box_->setObjectName(boxName);
    box_->setMaxLength(12);
    box_->setMinimumWidth(ui::contentWidth(*box_));
    auto* button = new QPushButton(buttonCaption, this);
    button->setObjectName(buttonName);
    button->setFocusPolicy(Qt::NoFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(box_);
    row->addWidget(button);
    setFocusProxy(box_);
    connect(button, &QPushButton::clicked, this, [this] {
        if (const std::optional<std::string> conta = registers::chooseBankAccount(dm_, window())) {
            box_->setText(QString::fromStdString(*conta));
            emit chosen();
        }
    });
}

std::string AccountBox::number() const {
    return box_->text().trimmed().toStdString();
}

std::optional<Account> AccountBox::lookUp() {
    std::optional<Account> account;
    ui::runGuarded([&] {
        data::OpenedTables open{&dm_.TbConta};
        account = findAccount(dm_, number());
    });
    if (!account) box_->setFocus();
    return account;
}

}  // namespace bank
