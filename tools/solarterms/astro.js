'use strict';
// Astronomical reckoning of the Chinese calendar, used to build and to check
// the tables of pages/JS/lunar.js. Days are civil days of China Standard Time
// (UTC+8), the zone the calendar has been reckoned in since 1929.

const Astronomy = require('astronomy-engine');

const DAY_MS = 86400000;
const CST_MS = 8 * 3600 * 1000;

// Number of the CST civil day holding an astronomical instant (days since 1970-01-01).
function cstDayNumber(astroTime) {
  return Math.floor((astroTime.date.getTime() + CST_MS) / DAY_MS);
}

// Day of the month (CST) of solar term n (0 = 小寒 at 285°, then every 15°) of year y.
// Terms 2m and 2m + 1 fall in month m (0-based) of the year.
function termDay(y, n) {
  const longitude = (285 + 15 * n) % 360;
  const month = n >> 1;
  const start = new Date(Date.UTC(y, month, 1) - CST_MS);
  const t = Astronomy.SearchSunLongitude(longitude, start, 40);
  if (!t) throw new Error(`no solar term ${n} found in ${y}`);
  const d = new Date(t.date.getTime() + CST_MS);
  if (d.getUTCFullYear() !== y || d.getUTCMonth() !== month) {
    throw new Error(`solar term ${n} of ${y} falls outside its month`);
  }
  return d.getUTCDate();
}

// The 24 term days of year y.
function termDays(y) {
  const out = [];
  for (let n = 0; n < 24; n++) out.push(termDay(y, n));
  return out;
}

// Compact form of the term days of years first..last: the earliest day of each
// term over the range (base) and one decimal digit per Gregorian month,
// 3 × (first term's day − its base) + (second term's day − its base).
function encodeTermTable(first, last) {
  const years = [];
  for (let y = first; y <= last; y++) years.push(termDays(y));
  const base = [];
  for (let n = 0; n < 24; n++) base.push(Math.min(...years.map((d) => d[n])));
  let digits = '';
  for (const d of years) {
    for (let m = 0; m < 12; m++) {
      const a = d[2 * m] - base[2 * m];
      const b = d[2 * m + 1] - base[2 * m + 1];
      if (a > 2 || b > 2) throw new Error('a term spans more than three days; widen the encoding');
      digits += String(3 * a + b);
    }
  }
  return { first, last, base, digits };
}

// Lunar year entries in the bit layout of lunarInfo for years first..last,
// reckoned by the rules of the calendar: a month starts on the CST day of a new
// moon; the month holding the winter solstice is month 11; when thirteen months
// lie between two such months, the first of them without a principal term
// (sun at a multiple of 30°) is a leap month and repeats the previous number.
function lunarYearEntries(first, last) {
  const newMoons = [];
  let t = Astronomy.MakeTime(new Date(Date.UTC(first - 2, 9, 1)));
  while (t.date.getUTCFullYear() <= last + 1) {
    const nm = Astronomy.SearchMoonPhase(0, t, 40);
    newMoons.push(cstDayNumber(nm));
    t = nm.AddDays(20);
  }
  const principal = new Set();
  const solstice = {};
  for (let y = first - 2; y <= last + 1; y++) {
    for (let k = 0; k < 12; k++) {
      const lon = (300 + 30 * k) % 360;
      const day = cstDayNumber(Astronomy.SearchSunLongitude(lon, new Date(Date.UTC(y, k, 1)), 45));
      principal.add(day);
      if (lon === 270) solstice[y] = day;
    }
  }
  const monthHolding = (day) => {
    let i = newMoons.length - 1;
    while (newMoons[i] > day) i--;
    return i;
  };
  const hasPrincipal = (i) => {
    for (let d = newMoons[i]; d < newMoons[i + 1]; d++) if (principal.has(d)) return true;
    return false;
  };
  // label[i] = [number, isLeap] of the month starting at newMoons[i]
  const label = [];
  for (let y = first - 2; y <= last; y++) {
    const a = monthHolding(solstice[y]);
    const b = monthHolding(solstice[y + 1]);
    let leapPending = b - a === 13;
    let num = 11;
    label[a] = [11, false];
    for (let i = a + 1; i < b; i++) {
      if (leapPending && !hasPrincipal(i)) {
        label[i] = [num, true];
        leapPending = false;
      } else {
        num = (num % 12) + 1;
        label[i] = [num, false];
      }
    }
  }
  const entries = {};
  for (let i = 0; i < label.length; i++) {
    if (!label[i] || label[i][0] !== 1 || label[i][1]) continue;
    const y = new Date(newMoons[i] * DAY_MS).getUTCFullYear();
    if (y < first || y > last) continue;
    let v = 0;
    let j = i;
    do {
      const len = newMoons[j + 1] - newMoons[j];
      const [num, leap] = label[j];
      if (leap) {
        v |= num;
        if (len === 30) v |= 0x10000;
      } else if (len === 30) {
        v |= 0x10000 >> num;
      }
      j++;
    } while (!(label[j][0] === 1 && !label[j][1]));
    entries[y] = v;
  }
  return entries;
}

module.exports = { termDay, termDays, encodeTermTable, lunarYearEntries };
