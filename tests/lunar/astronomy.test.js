'use strict';
// Re-checks the committed tables of pages/JS/lunar.js against the astronomical
// reckoning of tools/solarterms (needs its node_modules: npm ci there first).
process.env.TZ = 'Asia/Shanghai';

const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');

const toolDir = path.join(__dirname, '..', '..', 'tools', 'solarterms');
let missing = false;
try {
  require.resolve('astronomy-engine', { paths: [toolDir] });
} catch {
  missing = 'astronomy-engine is not installed: run npm ci in tools/solarterms';
}

const L = require(path.join(__dirname, '..', '..', 'pages', 'JS', 'lunar.js'));

describe('tables against the astronomical reckoning', { skip: missing }, () => {
  const astro = missing ? null : require(path.join(toolDir, 'astro.js'));

  test('every solar term day of 1900-2049 is the CST day the sun reaches its longitude', () => {
    const wrong = [];
    for (let y = 1900; y <= 2049; y++) {
      const days = astro.termDays(y);
      for (let n = 0; n < 24; n++) {
        if (L.sTerm(y, n) !== days[n]) wrong.push(`${y} ${L.solarTerm[n]}: ${L.sTerm(y, n)} != ${days[n]}`);
      }
    }
    assert.deepEqual(wrong, []);
  });

  test('lunar year table of 1929-2049 matches the months reckoned from new moons in UTC+8', () => {
    // Before 1929 the calendar was reckoned at the Beijing meridian, which the
    // table follows; from 1929 on it is the calendar of China Standard Time.
    const entries = astro.lunarYearEntries(1929, 2049);
    const wrong = [];
    for (let y = 1929; y <= 2049; y++) {
      if (L.lunarInfo[y - 1900] !== entries[y]) {
        wrong.push(`${y}: 0x${L.lunarInfo[y - 1900].toString(16)} != 0x${(entries[y] ?? 0).toString(16)}`);
      }
    }
    assert.deepEqual(wrong, []);
  });
});
