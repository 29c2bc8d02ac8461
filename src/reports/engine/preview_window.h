#pragma once
// The preview window: the generated pages with zoom, page navigation, printer set-up,
// printing (which runs the report again), saving and opening report files, a PDF export and
// a spreadsheet export (which also runs the report again).
#include <QDialog>
#include <QPrinter>

#include <memory>

#include "reports/engine/page_model.h"
#include "reports/engine/report.h"

class QAction;
class QLabel;
class QScrollArea;

namespace ui {
class Dialogs;
}

namespace reports {

inline const QString kPreviewTitle =
    QStringLiteral("Visualização do Relatório - ATENÇÃO: Não Minimize Esta Janela!!!");

class PreviewWindow : public QDialog {
    Q_OBJECT

  public:
    enum class Zoom { WholePage, Actual, PageWidth };

    // `report` may be null: the window then shows only what "Abrir Relatório" loads.
    PreviewWindow(ui::Dialogs& dialogs, const Report* report, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    // Generates the report's pages, the status bar counting from "0%".
    void generate();
    const PageModel& pages() const { return model_; }
    int currentPage() const { return current_; }  // from 1; 0 with no page
    void showPage(int number);
    void setZoom(Zoom zoom);
    // Runs the report again onto `printer`, so every handler and event runs a second time;
    // pages opened from a file print as they are. False when cancelled or refused.
    bool printTo(QPrinter& printer);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void configurePrinter();
    void print();
    bool askPrinter();
    void save();
    void open();
    void exportPdf();
    void exportSheet();
    void offerPdfWithoutPrinter();
    void showModel(PageModel model);
    void redraw();
    void updateState();

    ui::Dialogs& dialogs_;
    const Report* report_;
    PageModel model_;
    bool generated_ = false;
    int current_ = 0;
    Zoom zoom_ = Zoom::WholePage;
    std::unique_ptr<QPrinter> printer_;

    QScrollArea* scroll_ = nullptr;
    QLabel* sheet_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    QAction* configure_ = nullptr;
    QAction* print_ = nullptr;
    QAction* save_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* exportSheet_ = nullptr;
};

}  // namespace reports
