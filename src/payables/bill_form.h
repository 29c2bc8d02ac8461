#pragma once
// What the bill entry and the cash withdrawal screens share: the boxes of a bill, the
// supplier, heading and bank-account look-ups, and the mark of a bill being entered that
// keeps the screen open. What is typed stays in the boxes until an action posts it.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <optional>

#include "payables/bill_entry.h"

class QBoxLayout;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace ui {
class MoneyBox;
class DateBox;
}  // namespace ui

namespace payables {

inline const QString kPendingBill = QStringLiteral("Registro em Edição! Grave ou Exclua o Lançamento.");

class BillForm : public QDialog {
    Q_OBJECT
  public:
    void reject() override;  // refused while a bill is being entered

  protected:
    // `withBank`: the payment form, cheque and bank-account boxes of the entry screen.
    BillForm(data::Tdm& dm, const QString& name, const QString& heading, const QStringList& documentTypes,
             bool withBank, QWidget* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The bill as typed; nothing when a box does not hold what it should (the user is told).
    std::optional<BillEntry> typed();
    // Shows the stored bill numbered `bill` in the boxes.
    void showBill(std::int64_t bill);
    void clearBoxes();
    // Runs `step`; a refusal is shown and the focus goes to the box it is about.
    bool run(const std::function<void()>& step);
    bool pending() const { return pending_ != 0; }

    data::Tdm& dm_;
    std::int64_t pending_ = 0;  // the bill being entered, 0 when none
    QFormLayout* rows_;
    QBoxLayout* layout_;
    ui::DateBox* lancamento_;
    ui::DateBox* vencimento_;
    ui::MoneyBox* valor_;
    QComboBox* tipoDoc_;
    QLineEdit* documento_;
    QLineEdit* descricao_;
    QComboBox* formaPG_ = nullptr;
    QLineEdit* cheque_ = nullptr;
    QLineEdit* conta_ = nullptr;
    QLineEdit* banco_ = nullptr;
    QLineEdit* codFor_;
    QLineEdit* fornecedor_;
    QLineEdit* codPlano_;
    QLineEdit* plano_;
    QPushButton* gravar_ = nullptr;  // the look-ups act only while it is enabled

  private:
    QWidget* withLookup(QLineEdit* code, const QString& caption, const char* name,
                        void (BillForm::*choose)());
    void chooseSupplier();
    void choosePlan();
    void chooseAccount();
    void lookUpSupplier();
    void lookUpPlan();
    void lookUpAccount();
};

}  // namespace payables
