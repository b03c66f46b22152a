#pragma once
// The prompt lines many screens blink, in one place. Their spacing differs from screen to screen,
// so each spelling has its own name.
#include <QString>

namespace kazemaru::prompt {

inline const QString chooseMenu = QStringLiteral(u"メニューを えらんでね！");
inline const QString chooseMenuQuoted = QStringLiteral(u"「メニュー」を えらんでね！");
inline const QString chooseMenuTight = QStringLiteral(u"「メニュー」をえらんでね！");
inline const QString goOn = QStringLiteral(u"「つぎへ」ボタンで すすめてね！");
inline const QString goOnTight = QStringLiteral(u"「つぎへ」ボタンですすめてね！");
inline const QString goOnStep = QStringLiteral(u"「ステップ」ボタンですすめてね！");
inline const QString goOnStepSpaced = QStringLiteral(u"「ステップ」ボタンで すすめてね！");
inline const QString pressAnswer = QStringLiteral(u"「答え」ボタンを おしてね！");
inline const QString answerFromTop = QStringLiteral(u"答えは 大きい位から じゅんに えらんでね！");
inline const QString chooseProblem = QStringLiteral(u"「もんだい」を えらんでね！");

} // namespace kazemaru::prompt
