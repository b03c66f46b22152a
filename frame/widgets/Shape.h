#pragma once
#include <QColor>
#include <QWidget>
#include <memory>

class QSvgRenderer;

namespace kazemaru {

// A filled rectangle or a line (a thin rectangle), like the rules of a written calculation. A
// figure's rectangle may be outlined on some of its edges, solid or dashed.
class Shape : public QWidget {
    Q_OBJECT
  public:
    Shape(const QColor& colour, QWidget* parent);

    // One-pixel lines of `ink` on the border pixels of the `solid` and `dashed` edges.
    void setOutline(const QColor& ink, Qt::Edges solid, Qt::Edges dashed = {});

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor colour_;
    QColor ink_;
    Qt::Edges solid_;
    Qt::Edges dashed_;
};

// An SVG picture from the program's resources, drawn at the widget's size.
class Picture : public QWidget {
    Q_OBJECT
  public:
    Picture(const QString& resource, QWidget* parent);
    ~Picture() override;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString resource_;
    std::unique_ptr<QSvgRenderer> renderer_; // parsed at the first paint, then kept
};

// A status bar along the bottom edge with fixed-width panels; the last panel takes the rest.
class StatusBar : public QWidget {
    Q_OBJECT
  public:
    StatusBar(const QList<int>& panelWidths, QWidget* parent);
    Q_INVOKABLE QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QList<int> widths_;
    QStringList texts_;
};

} // namespace kazemaru
