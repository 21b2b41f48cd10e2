#!/usr/bin/env node
'use strict';
// Builds the solar term table of pages/JS/lunar.js from the astronomical
// reckoning in astro.js.
//   node generate.js          print the table block
//   node generate.js --write  replace the block in pages/JS/lunar.js

const fs = require('fs');
const path = require('path');
const { encodeTermTable } = require('./astro');

const FIRST = 1900;
const LAST = 2049;
const TARGET = path.join(__dirname, '..', '..', 'pages', 'JS', 'lunar.js');
const BEGIN = '// BEGIN generated solar term table';
const END = '// END generated solar term table';

function block() {
  const t = encodeTermTable(FIRST, LAST);
  const lines = [];
  for (let y = FIRST; y <= LAST; y += 5) {
    const from = (y - FIRST) * 12;
    lines.push(`  '${t.digits.slice(from, from + 60)}'`);
  }
  return [
    BEGIN + ' (tools/solarterms/generate.js; do not edit by hand)',
    `// Day of each solar term in China Standard Time, years ${FIRST}-${LAST}.`,
    '// sTermBase[n]: earliest day of term n over those years. sTermDigits: one digit',
    '// per Gregorian month m, 3 * (day of term 2m - base) + (day of term 2m+1 - base),',
    '// twelve per year, five years per line.',
    `var sTermFirstYear = ${FIRST};`,
    `var sTermLastYear = ${LAST};`,
    `var sTermBase = [${t.base.join(', ')}];`,
    'var sTermDigits =',
    lines.join(' +\n') + ';',
    END,
  ].join('\n');
}

function main() {
  const text = block();
  if (!process.argv.includes('--write')) {
    process.stdout.write(text + '\n');
    return;
  }
  const src = fs.readFileSync(TARGET, 'utf8');
  const a = src.indexOf(BEGIN);
  const b = src.indexOf(END);
  if (a < 0 || b < a) throw new Error(`markers not found in ${TARGET}`);
  fs.writeFileSync(TARGET, src.slice(0, a) + text + src.slice(b + END.length));
  console.log(`updated ${TARGET}`);
}

if (require.main === module) main();

module.exports = { block, FIRST, LAST };
