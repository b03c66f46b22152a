#include "lessons/decimals/ColumnFigure.h"

#include "frame/widgets/Factory.h"

namespace kazemaru {

using namespace Qt::StringLiterals;

ColumnFigure::ColumnFigure(QWidget* screen, const ColumnFigureDesign& design)
    : design_(design)
    , places_(design.places)
{
    const int tops[] = {design.firstTop, design.secondTop, design.answerTop};
    for (size_t i = 0; i < rows_.size(); ++i) {
        auto* row = new written::DigitRow(screen, design.pitch, design.pointWidth);
        row->setObjectName(u"Label%1"_s.arg(6 + int(i)));
        QFont f = row->font();
        f.setPixelSize(design.pixelSize);
        row->setFont(f);
        QPalette pal = row->palette();
        pal.setColor(QPalette::WindowText, colour::navy);
        row->setPalette(pal);
        row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int width = i == 2 && design.answerWidth > 0 ? design.answerWidth : design.rowWidth;
        row->setGeometry(design.right - width, tops[i], width, design.rowHeight);
        rows_[i] = row;
    }
    sign_ = makeLabel(screen, u"Label9"_s, QString(), design.sign.x(), design.sign.y(), design.pixelSize, false,
                      colour::navy);
    rule_ = new Shape(colour::red, screen);
    rule_->setObjectName(u"Shape1"_s);
    rule_->setOutline(colour::navy, Qt::TopEdge | Qt::BottomEdge | Qt::LeftEdge | Qt::RightEdge);
    rule_->setGeometry(design.rule);

    for (int j = 1; j <= design.marks; ++j) {
        marks_[size_t(j)] = makeLabel(screen, u"Label%1"_s.arg(9 + j), QString(), 0, design.markTop,
                                      design.markPixelSize, true, colour::navy);
        auto* strike = new Shape(colour::navy, screen);
        strike->setObjectName(u"Shape%1"_s.arg(1 + j));
        strikes_[size_t(j)] = strike;
    }
    clear();
}

QRect ColumnFigure::columnCell(int column) const
{
    const int pointCell = column > places_ ? design_.pointWidth : 0;
    const int left = design_.right - column * design_.pitch - pointCell;
    return QRect(left, design_.firstTop, design_.pitch, design_.rowHeight);
}

Label* ColumnFigure::mark(int j) const
{
    return j >= 1 && j <= design_.marks ? marks_[size_t(j)] : nullptr;
}

Shape* ColumnFigure::strike(int j) const
{
    return j >= 1 && j <= design_.marks ? strikes_[size_t(j)] : nullptr;
}

void ColumnFigure::clear()
{
    for (written::DigitRow* row : rows_)
        row->clear();
    sign_->setText(QString());
    rule_->hide();
    showMarks({});
}

void ColumnFigure::showProblem(const ColumnProblem& problem)
{
    places_ = problem.places; // the marks follow with the next showMarks
    rows_[0]->setText(problem.firstText());
    rows_[1]->setText(problem.secondText());
    sign_->setText(problem.operation == ColumnOperation::Add ? u"+"_s : u"-"_s);
    rule_->show();
}

void ColumnFigure::setAnswerRow(const QString& text)
{
    rows_[2]->setText(text);
}

void ColumnFigure::showMarks(const ColumnMarks& marks)
{
    for (int j = 1; j <= design_.marks; ++j) {
        const std::optional<int> digit = marks.mark[size_t(j)];
        marks_[size_t(j)]->setText(digit ? QString::number(*digit) : QString());
        strikes_[size_t(j)]->setVisible(marks.struck[size_t(j)]);
    }
    placeMarks();
}

void ColumnFigure::placeMarks()
{
    const int strikeTop = design_.firstTop + design_.rowHeight / 2 - 1;
    for (int j = 1; j <= design_.marks; ++j) {
        const QRect cell = columnCell(j + 1);
        Label* mark = marks_[size_t(j)];
        // Centred over the column, whatever the width of the digit in the mark's font.
        mark->move(cell.center().x() - mark->width() / 2, design_.markTop);
        strikes_[size_t(j)]->setGeometry(cell.left() - 1, strikeTop, cell.width() + 2, 2);
    }
}

} // namespace kazemaru
