#pragma once
#include <QProxyStyle>

namespace kazemaru {

// The application's style (Fusion, or whatever the desktop or -style chose) with one change: the
// menu bar's overflow button draws its chevrons itself. The style's own icon is a PNG file whose
// loading probes every image-format plugin, which the menu bar would do while the contents
// screen is being built; the button shows only on a menu bar too narrow for its menus.
class ProgramStyle : public QProxyStyle {
  public:
    explicit ProgramStyle(const QString& base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace kazemaru
