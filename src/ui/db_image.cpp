#include "ui/db_image.h"

#include <QPixmap>

namespace ui {

DbImage::DbImage(const data::DataSource& source, const std::string& fieldName, QWidget* parent)
    : QLabel(parent), FieldBinding(source, fieldName) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(1, 1);  // a large picture must not grow the screen
    refresh();
}

void DbImage::showValue() {
    picture_ = QImage();
    const store::Value value = currentValue();
    if (auto bytes = std::get_if<std::string>(&value))
        if (!picture_.loadFromData(reinterpret_cast<const uchar*>(bytes->data()),
                                   static_cast<int>(bytes->size())))
            picture_ = QImage();
    showScaled();
}

void DbImage::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showScaled();
}

void DbImage::showScaled() {
    if (picture_.isNull()) return clear();
    setPixmap(QPixmap::fromImage(picture_.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

}  // namespace ui
