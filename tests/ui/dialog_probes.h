#pragma once

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>

// Probes of the dialogs the game draws itself: their pixels, their questions and what a
// screen reader finds among their parts.
namespace quintaro::test {

// The dialog at `ratio` device pixels per pixel; the result counts in device pixels.
inline QImage rendered(QWidget& dialog, qreal ratio = 1.0) {
    QImage image(dialog.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    dialog.render(&image);
    image.setDevicePixelRatio(1);
    return image;
}

// Pixels of `image` from `at` on that are not (background AND mask) OR picture, over `part`
// of the picture (all of it if empty) whose sheet holds it and its mask side by side,
// outside what `skip` covers; -1 when the mask does not both show and let through at
// least a tenth of the part, so that little was tested.
inline int maskedPictureFaults(const QImage& image, QPoint at, const QImage& sheet, QRgb background,
                               QRect part = {}, const std::function<bool(QPoint)>& skip = {}) {
    const int width = sheet.width() / 2;
    if (part.isEmpty())
        part = QRect(0, 0, width, sheet.height());
    int faults = 0, shown = 0, through = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const QPoint p = part.topLeft() + QPoint(x, y);
            if (skip && skip(at + QPoint(x, y)))
                continue;
            const QRgb mask = sheet.pixel(width + p.x(), p.y());
            const QRgb expected = ((background & mask) | sheet.pixel(p)) | 0xff000000;
            faults += image.pixel(at + QPoint(x, y)) != expected;
            shown += mask == qRgb(0, 0, 0);
            through += mask == qRgb(255, 255, 255);
        }
    const int tenth = part.width() * part.height() / 10;
    return tenth > 0 && shown >= tenth && through >= tenth ? faults : -1;
}

// Answers the next question box with `button` once it runs, while `owner` lives; sets
// `answered` then.
inline void answerWhenAsked(QObject& owner, QMessageBox::StandardButton button, bool& answered) {
    answered = false;
    auto* poll = new QTimer(&owner);
    QObject::connect(poll, &QTimer::timeout, [poll, button, &answered] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(button)->click();
            answered = true;
            poll->deleteLater();
        }
    });
    poll->start(10);
}

// The children of `parent` with `role`, each checked to name `parent` as its parent.
inline QList<QAccessibleInterface*> childrenWith(QAccessibleInterface* parent,
                                                 QAccessible::Role role) {
    QList<QAccessibleInterface*> found;
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface* child = parent->child(i);
        if (child == nullptr || child->role() != role)
            continue;
        if (child->parent() != parent || parent->indexOfChild(child) != i)
            return {};
        found << child;
    }
    return found;
}

inline QStringList names(const QList<QAccessibleInterface*>& objects) {
    QStringList list;
    for (const QAccessibleInterface* object : objects)
        list << object->text(QAccessible::Name);
    return list;
}

} // namespace quintaro::test
