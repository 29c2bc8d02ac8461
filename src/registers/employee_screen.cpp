#include "registers/employee_screen.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/access.h"
#include "data/access_areas.h"
#include "registers/employee_hours.h"
#include "registers/employee_search.h"
#include "registers/picture_file.h"
#include "ui/db_edit.h"
#include "ui/db_image.h"
#include "ui/db_mask_edit.h"
#include "ui/dialogs.h"
#include "ui/enter_as_tab.h"
#include "ui/field_binding.h"
#include "ui/form_layout.h"
#include "ui/guarded.h"

namespace registers {

namespace {

ui::RegisterSetup employeeSetup() {
    return {.editingRefusal = QStringLiteral("Registro em Edição! Grave ou Exclua o Registro."),
            .saveQuestion = QStringLiteral("Grava o Funcionário?"),
            .changeQuestion = QStringLiteral("Alterar Dados do Funcionário?"),
            .deleteQuestion = QStringLiteral("Exclui o Funcionário?"),
            // A photo loaded while browsing is saved with "&Gravar" too.
            .gravarOnlyWhileEditing = false};
}

}  // namespace

TFmFuncionario::TFmFuncionario(data::Tdm& dm, QWidget* parent)
    : RegisterScreen(dm.TbFuncionario, employeeSetup(), parent), dm_(dm) {
    setObjectName(QStringLiteral("TFmFuncionario"));
    setWindowTitle(QStringLiteral("::.. Cadastro de Funcionário"));
    ui::runGuarded([this] {
        tables().open(dm_.TbFuncionario);
        tables().open(dm_.TbHora);
    });

    auto* heading = new QLabel(QStringLiteral("CADASTRO DE FUNCIONÁRIOS"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 4);
    heading->setFont(bold);

    hours_ = new EmployeeHours(dm_, this);
    auto* side = new QVBoxLayout;
    side->addLayout(buildPhoto());
    side->addWidget(hours_, 1);
    auto* body = new QHBoxLayout;
    body->addLayout(buildFields(), 1);
    body->addLayout(side);

    auto* bar = new QHBoxLayout;
    ui::RegisterButtons buttons = ui::addRegisterButtons(*bar);
    buttons.alterar->setText(QStringLiteral("Alterar"));
    buttons.fechar->setText(QStringLiteral("Fechar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(body, 1);
    layout->addLayout(bar);

    setButtons(buttons);
    // "&Novo" posts the new employee at once, unlike the pattern's own "&Novo".
    disconnect(buttons.novo, &QPushButton::clicked, this, nullptr);
    connect(buttons.novo, &QPushButton::clicked, this, &TFmFuncionario::novoFuncionario);
    setFirstField(nome_);
    ui::installEnterAsTab(this);
}

ui::DbEdit* TFmFuncionario::edit(const std::string& field, const QString& objectName) {
    auto* control = new ui::DbEdit(dm_.DsFuncionario, field, this);
    control->setObjectName(objectName);
    return control;
}

QLayout* TFmFuncionario::buildFields() {
    auto mask = [this](const std::string& field, const QString& objectName) {
        auto* control = new ui::DbMaskEdit(dm_.DsFuncionario, field, this);
        control->setObjectName(objectName);
        return control;
    };
    auto* codigo = edit("Codigo", QStringLiteral("DBEdit1"));
    codigo->setFieldReadOnly(true);
    nome_ = edit("Nome", QStringLiteral("DBEdit2"));
    auto* qualificacao = edit("Qualificacao", QStringLiteral("DBEdit21"));
    qualificacao->setUpperCase(true);

    QFormLayout* left = ui::labelledRows();
    ui::addLabelledRow(*left, QStringLiteral("Código:"), codigo);
    ui::addLabelledRow(*left, QStringLiteral("Nome"), nome_);
    ui::addLabelledRow(*left, QStringLiteral("CPF"), mask("CPF", QStringLiteral("DBEdit3")),
                       QStringLiteral("Identidade - RG:"), edit("RG", QStringLiteral("DBEdit4")));
    ui::addLabelledRow(*left, QStringLiteral("Nascimento:"), mask("Nascimento", QStringLiteral("DBEdit5")));
    ui::addLabelledRow(*left, QStringLiteral("Endereco"), edit("Endereco", QStringLiteral("DBEdit6")));
    ui::addLabelledRow(*left, QStringLiteral("Bairro"), edit("Bairro", QStringLiteral("DBEdit7")));
    ui::addLabelledRow(*left, QStringLiteral("Cidade"), edit("Cidade", QStringLiteral("DBEdit8")),
                       QStringLiteral("Estado:"), edit("UF", QStringLiteral("DBEdit9")));
    ui::addLabelledRow(*left, QStringLiteral("Fone:"), edit("Fone", QStringLiteral("DBEdit10")),
                       QStringLiteral("Celular"), edit("Celular", QStringLiteral("DBEdit11")));
    ui::addLabelledRow(*left, QStringLiteral("E-mail:"), edit("Email", QStringLiteral("DBEdit12")));
    ui::addLabelledRow(*left, QStringLiteral("Escolaridade:"),
                       edit("Escolaridade", QStringLiteral("DBEdit13")));

    QFormLayout* right = ui::labelledRows();
    ui::addLabelledRow(*right, QStringLiteral("Título de Eleitor:"),
                       edit("Titulo", QStringLiteral("DBEdit14")));
    ui::addLabelledRow(*right, QStringLiteral("CNH:"), edit("CNH", QStringLiteral("DBEdit15")));
    ui::addLabelledRow(*right, QStringLiteral("CTPS:"), edit("CTPS", QStringLiteral("DBEdit16")));
    ui::addLabelledRow(*right, QStringLiteral("PIS/PASEP"), edit("PIS", QStringLiteral("DBEdit17")));
    ui::addLabelledRow(*right, QStringLiteral("Cargo:"), edit("Cargo", QStringLiteral("DBEdit18")));
    ui::addLabelledRow(*right, QStringLiteral("Horário:"), edit("Horario", QStringLiteral("DBEdit19")));
    ui::addLabelledRow(*right, QStringLiteral("Dt. Admissão:"), mask("Admissao", QStringLiteral("DBEdit20")));
    ui::addLabelledRow(*right, QStringLiteral("Qualificações:"), qualificacao);
    ui::addLabelledRow(*right, QStringLiteral("Senha Comandas:"),
                       edit("SobreNome", QStringLiteral("DBEdit22")));
    ui::addLabelledRow(*right, QStringLiteral("Comissão %"), edit("Comissao", QStringLiteral("DBEdit23")),
                       QStringLiteral("Salário:"), edit("Salario", QStringLiteral("DBEdit24")));
    right->addRow(new QLabel(QStringLiteral("DEPÓSITO ==>"), this));
    ui::addLabelledRow(*right, QStringLiteral("Banco:"), edit("Banco", QStringLiteral("DBEdit25")));
    ui::addLabelledRow(*right, QStringLiteral("Agência:"), edit("Agencia", QStringLiteral("DBEdit26")),
                       QStringLiteral("Conta:"), edit("Conta", QStringLiteral("DBEdit27")));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    return columns;
}

QLayout* TFmFuncionario::buildPhoto() {
    foto_ = new ui::DbImage(dm_.DsFuncionario, "Foto", this);
    foto_->setObjectName(QStringLiteral("DBImage1"));
    foto_->setFixedSize(160, 190);
    foto_->setFrameShape(QFrame::Box);

    auto* buttons = new QHBoxLayout;
    QPushButton* inclui =
        ui::addButton(*buttons, QStringLiteral("&Inclui Foto"), QStringLiteral("BtnIncluiFoto"));
    QPushButton* exclui =
        ui::addButton(*buttons, QStringLiteral("Exclui Foto"), QStringLiteral("BtnExcluiFoto"));
    connect(inclui, &QPushButton::clicked, this, &TFmFuncionario::incluiFoto);
    connect(exclui, &QPushButton::clicked, this, &TFmFuncionario::excluiFoto);

    auto* column = new QVBoxLayout;
    column->addWidget(foto_, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    return column;
}

void TFmFuncionario::novoFuncionario() {
    novo();
    if (table().state() != store::TableState::Insert) return;
    ui::runGuarded([this] {
        ui::postRecord(table());
        table().edit();
    });
}

void TFmFuncionario::startEdit() {
    if (!table().isEditing()) table().edit();
}

void TFmFuncionario::incluiFoto() {
    const QString path = ui::Dialogs::current().openFile(QStringLiteral("Abrir Foto"), kPictureFilter);
    if (path.isEmpty()) return;
    std::optional<std::string> bytes = readPictureFile(path);
    if (!bytes) return ui::Dialogs::current().message(unreadablePictureMessage(path));
    ui::runGuarded([this, &bytes] {
        startEdit();
        table().field("Foto").setBlob(std::move(*bytes));
    });
}

void TFmFuncionario::excluiFoto() {
    if (!ui::Confirma(QStringLiteral("Excluir a Foto?"))) return;
    ui::runGuarded([this] {
        startEdit();
        table().field("Foto").clear();
    });
}

bool TFmFuncionario::mayChange() {
    return app::accessCheck(dm_, data::area::kAlterarFuncionario);
}

bool TFmFuncionario::mayDelete() {
    return app::accessCheck(dm_, data::area::kExcluirFuncionario);
}

void TFmFuncionario::search() {
    showConsFunc(dm_);
}

void showFuncionarios(data::Tdm& dm) {
    TFmFuncionario screen(dm);
    ui::Dialogs::current().exec(screen);
}

}  // namespace registers
