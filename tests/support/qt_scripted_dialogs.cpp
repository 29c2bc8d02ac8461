#include "support/qt_scripted_dialogs.h"

#include <gtest/gtest.h>

namespace testsupport {
namespace {

template <typename Queue>
auto takeOrFail(Queue& queue, const char* what, const QString& caption) -> typename Queue::value_type {
    if (queue.empty()) {
        ADD_FAILURE() << "unexpected " << what << ": " << caption.toStdString();
        return {};
    }
    auto next = std::move(queue.front());
    queue.pop_front();
    return next;
}

}  // namespace

ScriptedDialogs::ScriptedDialogs() {
    install(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    install(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " Confirma answer(s) never asked for";
    for (const auto& screen : screens_) ADD_FAILURE() << "screen never opened: " << screen.name.toStdString();
    EXPECT_TRUE(openFiles_.empty()) << "file to open never asked for";
    EXPECT_TRUE(saveFiles_.empty()) << "file to save never asked for";
    EXPECT_TRUE(directories_.empty()) << "directory never asked for";
}

void ScriptedDialogs::expectScreen(const QString& name, std::function<int(QDialog&)> handler) {
    screens_.push_back({name, std::move(handler)});
}

void ScriptedDialogs::message(const QString& text) {
    messages.push_back(text);
}

void ScriptedDialogs::error(const QString& text) {
    errors.push_back(text);
}

bool ScriptedDialogs::confirma(const QString& question) {
    questions.push_back(question);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected Confirma: " << question.toStdString();
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

int ScriptedDialogs::exec(QDialog& screen) {
    const QString className = QString::fromLatin1(screen.metaObject()->className()).section(u':', -1);
    if (screens_.empty()) {
        ADD_FAILURE() << "unexpected screen: " << className.toStdString() << " ("
                      << screen.objectName().toStdString() << ")";
        return QDialog::Rejected;
    }
    ExpectedScreen expected = std::move(screens_.front());
    screens_.pop_front();
    if (expected.name != screen.objectName() && expected.name != className) {
        ADD_FAILURE() << "expected screen " << expected.name.toStdString() << ", opened "
                      << className.toStdString() << " (" << screen.objectName().toStdString() << ")";
        return QDialog::Rejected;
    }
    return expected.handler(screen);
}

QString ScriptedDialogs::openFile(const QString& caption, const QString&) {
    const QStringList paths = takeOrFail(openFiles_, "file to open", caption);
    return paths.isEmpty() ? QString() : paths.front();
}

QStringList ScriptedDialogs::openFiles(const QString& caption, const QString&, const QString& folder,
                                       const QString& defaultSuffix) {
    openFilesFolder = folder;
    openFilesSuffix = defaultSuffix;
    return takeOrFail(openFiles_, "files to open", caption);
}

QString ScriptedDialogs::saveFile(const QString& caption, const QString&, const QString& filter) {
    saveFileFilter = filter;
    return takeOrFail(saveFiles_, "file to save", caption);
}

QString ScriptedDialogs::chooseDirectory(const QString& caption, const QString&) {
    return takeOrFail(directories_, "directory", caption);
}

}  // namespace testsupport
