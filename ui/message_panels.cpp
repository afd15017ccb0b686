#include "ui/message_panels.h"

#include "settings/players.h"
#include "ui/labels.h"
#include "ui/palette.h"

namespace {

using platform::Rect;

// Right-aligned values keep their digits one pixel clear of the column to their right.
Rect Trimmed(const Rect& r) {
  return {r.left, r.top, r.right - 1, r.bottom - 1};
}

void SetHeight(Label& label, int height) {
  label.rect.bottom = label.rect.top + height;
  label.textRect.bottom = label.textRect.top + height;
}

// A label on the player's background color with no frame line.
void OnBackground(Label& label, const Rect& box, const Rect& textBox) {
  label.rect = box;
  label.textRect = textBox;
  label.backColor = currentPlayer.color;
  label.borderStyle = platform::PS_NULL;
  label.backMode = platform::OPAQUE;
  label.drawStyle = kPlainLetters;
}

void Style(Label& label, int fontCode, Color textColor, unsigned format) {
  label.font = MakeFontSpec(fontCode);
  label.textColor = textColor;
  label.textFormat = format;
}

void Outlined(Label& label, Color letters, Color outline) {
  label.drawStyle = kOutlinedLetters;
  label.textColor = letters;
  label.outlineColor = outline;
}

void LayoutMeters() {
  constexpr int kRowHeight = 20;
  const Rect& firstColumn = cardCaptions[0].rect;
  const int top = firstColumn.bottom + 43;

  const Rect wagerBox{firstColumn.left, top, firstColumn.left + 60, top + kRowHeight};
  OnBackground(wagerCaption, wagerBox, wagerBox);
  Style(wagerCaption, 9, kCyan, 0);
  wagerCaption.visible = kShown;
  wagerCaption.SetText("WAGER");

  wagerMeter.Assign(wagerCaption);
  wagerMeter.rect = {wagerBox.right + 5, top, wagerBox.right + 45, top + kRowHeight};
  wagerMeter.textRect = wagerMeter.rect;
  Style(wagerMeter, 10, kWhite, kRightCentred);
  wagerMeter.SetNumber(0, nullptr);

  struct Row {
    Label& caption;
    Label& meter;
    int captionFont;
    const char* text;
    const Label& above;
  };
  const Row rows[] = {{winCaption, winMeter, 13, "WIN", wagerCaption},
                      {saveCaption, saveMeter, 22, "SAVE", winCaption},
                      {paidCaption, paidMeter, 22, "PAID", winCaption}};
  for (const Row& row : rows) {
    row.caption.Assign(wagerCaption);
    row.caption.MoveTopTo(row.above.rect.bottom);
    Style(row.caption, row.captionFont, kYellow, 0);
    row.caption.SetText(row.text);
    row.meter.Assign(wagerMeter);
    row.meter.MoveTopTo(row.above.rect.bottom);
    Style(row.meter, 14, kWhite, kRightCentred);
  }

  const int columnEnd = cardCaptions[4].rect.right;
  creditsCaption.Assign(wagerCaption);
  creditsCaption.rect = {columnEnd - 70, top, columnEnd, top + kRowHeight};
  creditsCaption.textRect = creditsCaption.rect;
  Style(creditsCaption, 11, kCyan, kRightCentred);
  creditsCaption.SetText("CREDITS");

  creditsMeter.Assign(creditsCaption);
  creditsMeter.MoveTopTo(creditsCaption.rect.bottom);
  Style(creditsMeter, 12, kWhite, kRightCentred);
  creditsMeter.SetNumber(0, nullptr);
}

void LayoutMessageSlot() {
  const int top = wagerCaption.rect.top;
  const Rect slot{cardCaptions[1].rect.left, top, cardCaptions[3].rect.right, top + 30};
  OnBackground(gameOverMessage, slot, slot);
  Style(gameOverMessage, 15, kRed, kCentred);
  Outlined(gameOverMessage, kRed, kWhite);
  gameOverMessage.visible = kShown;
  gameOverMessage.SetText("GAME OVER");

  goodLuckMessage.Assign(gameOverMessage);
  goodLuckMessage.outlineColor = kYellow;
  goodLuckMessage.visible = kHidden;
  goodLuckMessage.SetText("GOOD LUCK");

  winnerMessage.Assign(gameOverMessage);
  winnerMessage.visible = kHidden;
  winnerMessage.SetText("WINNER !");

  selectCardPrompt.Assign(winnerMessage);
  SetHeight(selectCardPrompt, 20);
  selectCardPrompt.drawStyle = kPlainLetters;
  Style(selectCardPrompt, 20, kYellow, kCentred);
  selectCardPrompt.SetText("SELECT A CARD");

  doubleCollectPrompt.Assign(selectCardPrompt);
  doubleCollectPrompt.SetText("DOUBLE/COLLECT");
  insertCoinOrDealPrompt.Assign(selectCardPrompt);
  insertCoinOrDealPrompt.SetText("INSERT COIN OR DEAL");

  insertCoinBetOrDealPrompt.Assign(selectCardPrompt);
  SetHeight(insertCoinBetOrDealPrompt, 40);
  insertCoinBetOrDealPrompt.textFormat = platform::DT_CENTER;
  insertCoinBetOrDealPrompt.SetText("INSERT COIN,\nBET OR DEAL");

  doubleRulesNotice.Assign(insertCoinBetOrDealPrompt);
  doubleRulesNotice.MoveTopTo(winCaption.rect.top);
  Style(doubleRulesNotice, 21, kRed, platform::DT_CENTER);
  doubleRulesNotice.SetText("ACE IS HIGH && 2 IS LOW\nALL PUSHES ARE REPLAYED");
}

void LayoutDoubleTitle(int width) {
  Label& left = doubleTitleBars[0];
  const Rect bar{10, 10, 160, 25};
  left.rect = bar;
  left.textRect = bar.Offset(1, 1);
  left.backColor = kRed;
  left.borderStyle = platform::PS_SOLID;
  left.borderWidth = 1;
  left.borderColor = kBlack;
  left.visible = kShown;
  left.SetText(nullptr);

  Label& right = doubleTitleBars[1];
  right.Assign(left);
  right.MoveLeftTo(width - 10 - bar.Width());

  const Rect title{left.rect.right, 5, right.rect.left, 30};
  OnBackground(doubleTitle, title, title.Offset(1, 1));
  Style(doubleTitle, 16, kYellow, kCentred);
  doubleTitle.visible = kShown;
  doubleTitle.SetText("STANDARD DOUBLE");
}

void LayoutBonusBox(int width) {
  constexpr int kRowHeight = 20;
  const int top = doubleTitleBars[0].rect.bottom + 15;
  const Rect caption{35, top, 215, top + kRowHeight};
  OnBackground(bonusCardsCaption, caption, caption.Offset(1, 1));
  Style(bonusCardsCaption, 17, kWhite, 0);
  bonusCardsCaption.visible = kShown;
  bonusCardsCaption.SetText("52 CARDS W/BONUS");

  const Rect coins{width - 115, top, width - 35, top + kRowHeight};
  coinsCaptions[0].Assign(bonusCardsCaption);
  coinsCaptions[0].rect = coins;
  coinsCaptions[0].textRect = coins.Offset(1, 1);
  Style(coinsCaptions[0], 17, kCyan, platform::DT_RIGHT);
  coinsCaptions[0].SetText("COINS");

  const Rect value{coins.left - 80, top, coins.left, top + kRowHeight};
  bonusCardsValue.Assign(bonusCardsCaption);
  bonusCardsValue.rect = value;
  bonusCardsValue.textRect = Trimmed(value);
  bonusCardsValue.textFormat = platform::DT_RIGHT;
  bonusCardsValue.SetText("5000");

  struct Row {
    Label& caption;
    Label& value;
    Label& coins;
    const Row* above;
  };
  const Row first{bonusCardsCaption, bonusCardsValue, coinsCaptions[0], nullptr};
  const Row second{collectableCaption, collectableValue, coinsCaptions[1], &first};
  const Row third{tryLuckCaption, tryLuckValue, coinsCaptions[2], &second};
  for (const Row* row : {&second, &third}) {
    const int rowTop = row->above->caption.rect.bottom;
    row->caption.Assign(row->above->caption);
    row->caption.MoveTopTo(rowTop);
    row->value.Assign(row->above->value);
    row->value.MoveTopTo(rowTop);
    row->coins.Assign(row->above->coins);
    row->coins.MoveTopTo(rowTop);
  }
  collectableCaption.textColor = kCyan;
  collectableCaption.SetText("COLLECTABLE COIN");
  tryLuckCaption.textColor = kYellow;
  tryLuckCaption.SetText("TRY YOUR LUCK !");
  tryLuckValue.SetText("10000");

  const Rect& luck = tryLuckCaption.rect;
  tryLuckCount.Assign(tryLuckValue);
  tryLuckCount.rect = {luck.right, luck.top, luck.right + 40, luck.bottom};
  tryLuckCount.textRect = {luck.right, luck.top, luck.right + 39, luck.bottom};
  tryLuckCount.SetText("1");
}

void LayoutDoubleMessages() {
  const int left = doubleTitleBars[0].rect.left;
  const int right = doubleTitleBars[1].rect.right;
  const int top = tryLuckCaption.rect.bottom;
  const Rect band{left, top, right, top + 30};
  OnBackground(doubleDownMessage, band, band.Offset(1, 1));
  Style(doubleDownMessage, 18, kRed, kCentred);
  Outlined(doubleDownMessage, kRed, kWhite);
  doubleDownMessage.visible = kHidden;
  doubleDownMessage.SetText("PLAY DOUBLE DOWN !");

  doubleGoodLuckMessage.Assign(doubleDownMessage);
  doubleGoodLuckMessage.SetText("GOOD LUCK !");
  doubleSelectCardMessage.Assign(doubleDownMessage);
  doubleSelectCardMessage.SetText("SELECT A CARD");
  doubleWinnerMessage.Assign(doubleDownMessage);
  doubleWinnerMessage.SetText("WINNER !");
  doublePushMessage.Assign(doubleDownMessage);
  Outlined(doublePushMessage, kYellow, kRed);
  doublePushMessage.SetText("PUSH !  TRY AGAIN");

  collectWinningsPrompt.Assign(doubleDownMessage);
  collectWinningsPrompt.MoveTopTo(band.bottom);
  SetHeight(collectWinningsPrompt, 20);
  collectWinningsPrompt.drawStyle = kPlainLetters;
  Style(collectWinningsPrompt, 19, kWhite, kCentred);
  collectWinningsPrompt.SetText("OR COLLECT YOUR WINNINGS");
  higherQuestion.Assign(collectWinningsPrompt);
  higherQuestion.SetText("WHICH IS HIGHER THAN DEALER'S ?");

  congratulationsMessage.Assign(doublePushMessage);
  congratulationsMessage.MoveTopTo(collectWinningsPrompt.rect.bottom + 20);
  congratulationsMessage.SetText("CONGRATULATIONS !");
}

}  // namespace

int LayoutMeterPanel(platform::Window* /*window*/) {
  LayoutMeters();
  LayoutMessageSlot();
  return 1;
}

int LayoutDoubleScreen(platform::Window* window) {
  const int width = platform::GetClientRect(window).Width();
  LayoutDoubleTitle(width);
  LayoutBonusBox(width);
  LayoutDoubleMessages();
  return 1;
}

void DrawMeterLabels(platform::Window* window, platform::Dc* dc) {
  congratulationsMessage.Draw(window, dc);
  for (Label* label : MeterLabels())
    label->Draw(window, dc);
  gameOverMessage.Draw(window, dc);
}
