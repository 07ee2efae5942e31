#pragma once

#include <QProxyStyle>

// The application's style, unchanged but for one thing: the icons of the overflow buttons that
// a menu bar or tool bar makes at once are only read when first needed. A menu bar asks for its
// overflow icon when it is built, and reading that icon's images loads Qt's image format
// plugins, a large part of the start-up, for a button that is shown only when the menus do not
// fit. Every other icon, and every drawing, comes from the base style as it is.
class DeferredIconStyle : public QProxyStyle {
  public:
    // Wraps the application's current style (the platform's, or the one chosen with -style).
    DeferredIconStyle();
    // Wraps `base` and takes ownership of it.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
