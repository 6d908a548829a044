'use strict';
// Shared by both pages. Every name from the meet goes into the page as
// text, never as markup: team files are anyone's to edit.
const korvanda = {
  element(tag, text, className) {
    const node = document.createElement(tag);
    if (text !== undefined && text !== null) node.textContent = String(text);
    if (className) node.className = className;
    return node;
  },
  sideText(side) {
    return side.team ? side.name + ' (' + side.team + ')' : side.name;
  },
  resultText(bout) {
    if (!bout.done) return '';
    const red = bout.red.result, green = bout.green.result;
    const points = bout.red.points || bout.green.points ? ' ' + bout.red.points + '-' + bout.green.points : '';
    if (red && green) return red + points;
    if (red) return red + ' by ' + bout.red.name + points;
    return green + ' by ' + bout.green.name + points;
  },
  clock(date) {
    return date.toLocaleTimeString([], { hour: '2-digit', minute: '2-digit', second: '2-digit' });
  }
};
