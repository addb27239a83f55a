#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <functional>

namespace tallowen::testing {

template <typename T>
T* findWidget(QWidget& root, const std::function<bool(T&)>& matches = [](T&) { return true; }) {
    for (QWidget* w : root.findChildren<QWidget*>())
        if (auto* t = dynamic_cast<T*>(w); t && matches(*t)) return t;
    return nullptr;
}

// Walks a popup menu by the texts a person reads, every step enabled, and chooses the last one.
inline void choose(QMenu& menu, const QStringList& path) {
    QMenu* current = &menu;
    for (int i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* a : current->actions())
            if (a->text() == path[i]) found = a;
        ASSERT_TRUE(found && found->isEnabled()) << path[i].toStdString();
        if (i + 1 == path.size()) return found->trigger();
        ASSERT_TRUE(found->menu()) << path[i].toStdString();
        current = found->menu();
    }
}

inline QMenu* openPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

inline void closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

}  // namespace tallowen::testing
