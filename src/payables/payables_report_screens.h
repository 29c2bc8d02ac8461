#pragma once
// The screens that print the payables reports: the open bills of a period ("Relatório -
// Contas a Pagar."), and one supplier's open or paid bills of a period.
#include <QDialog>

#include "reports/engine/preview.h"
#include "reports/payables_reports.h"

class QLineEdit;
class QPushButton;

namespace data {
class Tdm;
}
namespace ui {
class DateBox;
}

namespace payables {

class TFmDataPagar : public QDialog {
    Q_OBJECT
  public:
    explicit TFmDataPagar(data::Tdm& dm, QWidget* parent = nullptr,
                          reports::ReportOutput output = reports::previewReport);

  private:
    void imprimir();

    data::Tdm& dm_;
    reports::ReportOutput output_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QPushButton* imprimir_;
};

// One supplier's bills: the code typed or chosen with "&F", looked up on the way to its name.
class SupplierBillsScreen : public QDialog {
    Q_OBJECT
  protected:
    SupplierBillsScreen(data::Tdm& dm, reports::Bills bills, QWidget* parent, reports::ReportOutput output);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool lookUpSupplier();
    void chooseSupplier();
    void imprimir();
    // The name shown for a supplier: its trade name for open bills, its name for paid ones.
    const char* nameField() const;

    data::Tdm& dm_;
    reports::Bills bills_;
    reports::ReportOutput output_;
    QLineEdit* codigo_;
    QLineEdit* fornecedor_;
    ui::DateBox* inicial_;
    ui::DateBox* final_;
    QPushButton* imprimir_;
};

// "::.. Pagamentos Por Fornecedor": a supplier's open bills.
class TFmDataFor : public SupplierBillsScreen {
    Q_OBJECT
  public:
    explicit TFmDataFor(data::Tdm& dm, QWidget* parent = nullptr,
                        reports::ReportOutput output = reports::previewReport);
};

// "Pagamentos Baixados - Por Fornecedor.": a supplier's paid bills.
class TFmDataForBaixado : public SupplierBillsScreen {
    Q_OBJECT
  public:
    explicit TFmDataForBaixado(data::Tdm& dm, QWidget* parent = nullptr,
                               reports::ReportOutput output = reports::previewReport);
};

}  // namespace payables
