// The <xvexo-view> element driven as a user drives it, in Debian's Chromium: keys pressed where a
// keyboard sends them (to what has the focus, after clicks anywhere in the element), the wheel
// and the mouse over the board, a swipe on a touch screen, the arrows and function buttons,
// trial play, move numbers, automatic play, the go-to-move box and its message, and a diagram
// link opening the reference dialog with its own keys and study mode.

import { describe, test } from 'node:test';
import assert from 'node:assert/strict';
import {
  SAMPLE, canvasPicture, clickControl, controlText, env, focused, onViewer, pointColour,
  pointOnBoard, show, takeEvents, takeMoves, isBlackStone, isWood,
} from './support.mjs';

const press = (key) => env.page.keyboard.press(key);

describe('stepping the main board', () => {
  test('the desktop\'s keys step it after a click anywhere in the element', async () => {
    await show(SAMPLE, 798, 560);
    // A click on the information panel: the element takes the focus.
    await clickControl('.eventNameL');
    assert.equal(await focused(), 'viewer');
    await takeEvents();
    for (const key of ['Home', 'PageDown', 'ArrowRight', 'ArrowRight', 'ArrowLeft', 'PageUp', 'End']) {
      await press(key);
    }
    assert.deepEqual(await takeMoves(), [0, 5, 6, 7, 6, 1, 214]);
    // After a click on a button, a link, the comment box or the seconds box, the keys still step.
    await onViewer((viewer) => viewer.goTo(12));
    for (const control of ['.arrow[data-tag="2"]', '.commentM', '.secondSE', '.numBtn', '.numBtn']) {
      await clickControl(control);
      await takeEvents();
      await press('ArrowRight');
      await press('ArrowLeft');
      assert.equal((await takeMoves()).length, 2, control);
    }
  });

  test('the wheel steps a move a notch, a fine wheel once its turns add up', async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(100));
    const centre = await pointOnBoard(10, 10);
    await env.page.mouse.move(centre.x, centre.y);
    await takeEvents();
    await env.page.mouse.wheel({ deltaY: 100 });  // toward the user: forward
    await env.page.mouse.wheel({ deltaY: -100 });
    await env.page.mouse.wheel({ deltaY: -100 });
    for (let i = 0; i < 4; ++i) await env.page.mouse.wheel({ deltaY: 25 });
    assert.deepEqual(await takeMoves(), [101, 100, 99, 100]);
    assert.equal(await env.page.evaluate(() => window.scrollY), 0, 'the page did not scroll');
  });

  test('a left press on the board steps forward, a right press back; the arrows step as the desktop\'s',
       async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(100));
    const point = await pointOnBoard(1, 1);
    await takeEvents();
    await env.page.mouse.click(point.x, point.y);
    await env.page.mouse.click(point.x, point.y, { button: 'right' });
    await env.page.mouse.click(point.x, point.y, { button: 'right' });
    assert.deepEqual(await takeMoves(), [101, 100, 99]);
    // The page hears the click too, and a double click.
    await env.page.mouse.click(point.x, point.y, { clickCount: 2 });
    const types = (await takeEvents()).map(([type]) => type);
    assert.ok(types.includes('click') && types.includes('dblclick'), types.join());
    await onViewer((viewer) => viewer.goTo(100));
    await takeEvents();
    for (const tag of [0, 4, 3, 2, 1, 5]) await clickControl(`.arrow[data-tag="${tag}"]`);
    assert.deepEqual(await takeMoves(), [0, 5, 6, 5, 0, 214]);
  });

  test('a horizontal swipe on a touch screen steps a move; a tap steps forward', async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(100));
    const { x, y } = await pointOnBoard(10, 10);
    const { touchscreen } = env.page;
    await takeEvents();
    const swipe = async (dx) => {
      await touchscreen.touchStart(x, y);
      await touchscreen.touchMove(x + dx / 2, y + 2);
      await touchscreen.touchMove(x + dx, y + 4);
      await touchscreen.touchEnd();
    };
    await swipe(-120);  // right to left: the next move
    await swipe(-120);
    await swipe(120);
    await touchscreen.tap(x, y);
    assert.deepEqual(await takeMoves(), [101, 102, 101, 102]);
  });

  test('the go-to-move box: Enter goes there and gives the keys back; no number says so', async () => {
    await show(SAMPLE, 798, 560);
    await takeEvents();
    await clickControl('.moveEd');
    await env.page.keyboard.type('57');
    // Keys typed in the box edit it.
    await press('ArrowLeft');
    await press('Enter');
    assert.equal(await focused(), 'viewer');
    await press('ArrowRight');
    assert.deepEqual(await takeMoves(), [57, 58]);
    // Not a number: the desktop's message, and the box takes the focus back to be corrected.
    await clickControl('.moveEd', { clickCount: 3 });
    await env.page.keyboard.type('x');
    await clickControl('.moveBtn');
    assert.deepEqual(await controlText('.message-text'), ['请输入数字', true]);
    await press('Enter');
    assert.equal((await controlText('.message'))[1], false);
    assert.equal(await focused(), 'moveEd');
    await env.page.keyboard.type('0');
    await press('Enter');
    assert.deepEqual(await controlText('.message-text'), ['请输入1以上的数字', true]);
    await clickControl('.message-ok');
    assert.deepEqual(await takeMoves(), [], 'the board did not move');
    // A press on the board gives it the keys back.
    assert.equal(await focused(), 'moveEd');
    const point = await pointOnBoard(10, 10);
    await env.page.mouse.click(point.x, point.y);
    assert.equal(await focused(), 'viewer');
    await press('ArrowLeft');
    assert.deepEqual(await takeMoves(), [59, 58]);
  });
});

describe('the function buttons', () => {
  test('trial play: a teal panel, moves of one\'s own, then the record as it was', async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(12));
    const before = await canvasPicture();
    await clickControl('.testBtn');
    assert.deepEqual(await controlText('.testBtn'), ['结束试下', true]);
    assert.equal(await onViewer((viewer) =>
      getComputedStyle(viewer.shadowRoot.querySelector('.panP')).backgroundColor), 'rgb(64, 128, 128)');
    await takeEvents();
    // A stone of the side to play on an empty point (A1's corner), then back to the record.
    assert.ok(isWood(await pointColour(1, 1)));
    const corner = await pointOnBoard(1, 1);
    await env.page.mouse.click(corner.x, corner.y);
    assert.ok(isBlackStone(await pointColour(1, 1)));
    const [[, played]] = (await takeEvents()).filter(([type]) => type === 'move');
    assert.deepEqual([played.move, played.trial], [13, true]);
    await clickControl('.testBtn');
    assert.deepEqual(await controlText('.testBtn'), ['试下', true]);
    assert.deepEqual((await takeEvents()).filter(([t]) => t === 'move').map(([, d]) => [d.move, d.trial]),
                     [[12, false]]);
    assert.equal(await canvasPicture(), before, 'the record\'s position, exactly');
  });

  test('move numbers on every stone, and off again', async () => {
    await show(SAMPLE, 798, 560);
    const before = await canvasPicture();
    await clickControl('.numBtn');
    assert.deepEqual(await controlText('.numBtn'), ['隐藏手数', true]);
    assert.notEqual(await canvasPicture(), before);
    await clickControl('.numBtn');
    assert.deepEqual(await controlText('.numBtn'), ['显示手数', true]);
    assert.equal(await canvasPicture(), before);
  });

  test('automatic play steps every second until stopped', async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(100));
    await takeEvents();
    await clickControl('.autoBtn');
    assert.deepEqual(await controlText('.autoBtn'), ['停止', true]);
    await env.page.waitForFunction(() => window.events.some((event) => event.type === 'move'),
                                   { timeout: 3000 });
    await clickControl('.autoBtn');
    assert.deepEqual(await controlText('.autoBtn'), ['自动', true]);
    assert.deepEqual(await takeMoves(), [101]);
    await new Promise((resolve) => setTimeout(resolve, 1300));
    assert.deepEqual(await takeMoves(), [], 'stopped');
  });
});

describe('the reference dialog', () => {
  test('a diagram link opens it; its keys step the diagram, Escape closes it and the main keys work again',
       async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(12));
    await clickControl('.commentM a');
    assert.deepEqual(await controlText('.reference .caption'), ['12手 参考图', true]);
    assert.equal((await controlText('.Memo'))[0], '黑棋也可以这样下，A位和B位是见合的好点。');
    assert.equal(await focused(), 'reference');
    await takeEvents();
    const shown = await canvasPicture('HelpPB');
    await press('ArrowLeft');
    const stepped = await canvasPicture('HelpPB');
    assert.notEqual(stepped, shown);
    await press('PageUp');
    await press('PageDown');
    assert.equal(await canvasPicture('HelpPB'), shown, 'the whole diagram again');
    await press('ArrowLeft');
    assert.equal(await canvasPicture('HelpPB'), stepped);
    assert.deepEqual(await takeMoves(), [], 'the main board stays');
    await press('Escape');
    assert.equal((await controlText('.reference'))[1], false);
    assert.equal(await focused(), 'viewer');
    await press('ArrowRight');
    assert.deepEqual(await takeMoves(), [13]);
  });

  test('study mode: a teal panel, the pass button and letters, then the diagram as it was', async () => {
    await show(SAMPLE, 798, 560);
    await onViewer((viewer) => viewer.goTo(12));
    await clickControl('.commentM a');
    const shown = await canvasPicture('HelpPB');
    await clickControl('.step[data-tag="4"]');
    assert.deepEqual(await controlText('.step[data-tag="4"]'), ['结束', true]);
    assert.deepEqual(await controlText('.PassBtn'), ['弃手', true]);
    // A letter on an empty point, then a stone.
    await clickControl('.cbMark input');
    const point = await pointOnBoard(1, 1, { canvas: 'canvas.HelpPB' });
    await env.page.mouse.click(point.x, point.y);
    assert.equal(await onViewer((viewer) => viewer.shadowRoot.querySelector('.cbMarkC').value), '1');
    await clickControl('.cbMark input');
    await env.page.mouse.click(point.x + point.cell, point.y);
    assert.notEqual(await canvasPicture('HelpPB'), shown);
    await clickControl('.step[data-tag="4"]');
    assert.deepEqual(await controlText('.PassBtn'), ['弃手', false]);
    assert.equal(await canvasPicture('HelpPB'), shown);
    // The close button; the next link opens it again.
    await clickControl('.reference .close');
    assert.equal((await controlText('.reference'))[1], false);
    await clickControl('.commentM a');
    assert.equal((await controlText('.reference'))[1], true);
  });
});
