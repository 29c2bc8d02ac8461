#include "ui/search_screen.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/field_binding.h"
#include "ui/guarded.h"
#include "ui/upper_case_input.h"

namespace ui {

SearchScreen::SearchScreen(store::Table& table, SearchSetup setup, QWidget* parent)
    : QDialog(parent),
      setup_(std::move(setup)),
      radio_(new QRadioButton(setup_.radioCaption, this)),
      edit_(new QLineEdit(this)),
      grid_(new DbGrid(table, setup_.columns, this)),
      close_(new QPushButton(QStringLiteral("&Fechar"), this)),
      bar_(new QHBoxLayout) {
    setWindowTitle(setup_.caption);
    radio_->setObjectName(QStringLiteral("RadioButton1"));
    edit_->setObjectName(QStringLiteral("Edit1"));
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    close_->setObjectName(QStringLiteral("BtnFechar"));
    radio_->setChecked(true);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(radio_);
    searchRow->addWidget(edit_, 1);
    if (setup_.other) {
        otherRadio_ = new QRadioButton(setup_.other->radioCaption, this);
        otherEdit_ = new QLineEdit(this);
        otherRadio_->setObjectName(QStringLiteral("RadioButton2"));
        otherEdit_->setObjectName(QStringLiteral("Edit2"));
        searchRow->addWidget(otherRadio_);
        searchRow->addWidget(otherEdit_, 1);
        connect(otherRadio_, &QRadioButton::clicked, otherEdit_, [this] { otherEdit_->setFocus(); });
        connect(otherEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
            otherRadio_->setChecked(true);
            search(setup_.other->indexName, otherEdit_, text);
        });
    }
    bar_->addStretch();
    bar_->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(grid_, 1);
    layout->addLayout(bar_);
    setTabOrder(otherEdit_ != nullptr ? otherEdit_ : edit_, grid_);
    setTabOrder(grid_, close_);

    connect(radio_, &QRadioButton::clicked, edit_, [this] { edit_->setFocus(); });
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        radio_->setChecked(true);
        search(setup_.indexName, edit_, text);
    });
    if (setup_.gridOnLeave) edit_->installEventFilter(this);
    connect(grid_, &DbGrid::chosen, this, &QDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    runGuarded([this] { selectIndex(setup_.indexName); });
    edit_->setFocus();
}

void SearchScreen::addBarButton(QPushButton* button) {
    bar_->insertWidget(0, button);
}

SearchScreen::~SearchScreen() {
    store::Table& t = table();
    if (t.isOpen()) runGuarded([&t] { t.setIndexName({}); });
}

bool SearchScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::FocusOut &&
        leftByUser(static_cast<QFocusEvent*>(event)->reason()))
        // Once the focus change under way has finished, not in the middle of it.
        QMetaObject::invokeMethod(
            grid_, [this] { grid_->setFocus(); }, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void SearchScreen::selectIndex(const std::string& indexName) {
    store::Table& t = table();
    if (t.indexName() != indexName) t.setIndexName(indexName);
}

void SearchScreen::search(const std::string& indexName, QLineEdit* edit, const QString& typed) {
    const QString text = setup_.upperCase ? raiseToUpperCase(edit) : typed;
    runGuarded([&] {
        selectIndex(indexName);
        table().findNearest({store::Value{text.toStdString()}});
    });
}

}  // namespace ui
