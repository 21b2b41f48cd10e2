/*
 * Tavelo calendar: Chinese lunar calendar computation.
 *
 * Converts Gregorian days to lunar dates, names years, months and days in the
 * sexagenary cycle, gives the day of each solar term, and builds the month
 * record the calendar page draws from. Works on whole days in local time.
 *
 * Covered range: 31 January 1900 (lunar 1900, month 1, day 1) to 22 January
 * 2050 (lunar 2049, month 12, day 29); solar terms for the years 1900-2049.
 * Outside it nothing throws or loops:
 *   Lunar(date)      -> null
 *   sTerm(y, n)      -> null
 *   calendar(y, m)   -> Gregorian fields as usual; days outside the range get
 *                       lYear = lMonth = lDay = 0, isLeap = false, empty
 *                       cYear/cMonth/cDay and no lunar festival. For an invalid
 *                       y (not an integer 1-9999) or m (not 0-11) the record is
 *                       { length: 0, firstWeek: 0 }.
 *   lYearDays, leapMonth, leapDays, monthDays -> 0; solarDays -> 0 for a bad m;
 *   cyclical, cDay, toCn -> '' for values they cannot name.
 *
 * Loaded by the calendar pages with a <script> tag; every name below is global.
 */

/*
 * One entry per lunar year 1900-2049 (index = year - 1900):
 *   bits 0-3   number of the month followed by a leap month, 0 for none
 *   bits 4-15  month m (1-12) has 30 days when bit (0x10000 >> m) is set, else 29
 *   bit 16     the leap month has 30 days when set, else 29
 */
var lunarInfo = [
  0x04bd8, 0x04ae0, 0x0a570, 0x054d5, 0x0d260, 0x0d950, 0x16554, 0x056a0, 0x09ad0, 0x055d2, // 1900
  0x04ae0, 0x0a5b6, 0x0a4d0, 0x0d250, 0x1d255, 0x0b540, 0x0d6a0, 0x0ada2, 0x095b0, 0x14977, // 1910
  0x04970, 0x0a4b0, 0x0b4b5, 0x06a50, 0x06d40, 0x1ab54, 0x02b60, 0x09570, 0x052f2, 0x04970, // 1920
  0x06566, 0x0d4a0, 0x0ea50, 0x16a95, 0x05ad0, 0x02b60, 0x186e3, 0x092e0, 0x1c8d7, 0x0c950, // 1930
  0x0d4a0, 0x1d8a6, 0x0b550, 0x056a0, 0x1a5b4, 0x025d0, 0x092d0, 0x0d2b2, 0x0a950, 0x0b557, // 1940
  0x06ca0, 0x0b550, 0x15355, 0x04da0, 0x0a5b0, 0x14573, 0x052b0, 0x0a9a8, 0x0e950, 0x06aa0, // 1950
  0x0aea6, 0x0ab50, 0x04b60, 0x0aae4, 0x0a570, 0x05260, 0x0f263, 0x0d950, 0x05b57, 0x056a0, // 1960
  0x096d0, 0x04dd5, 0x04ad0, 0x0a4d0, 0x0d4d4, 0x0d250, 0x0d558, 0x0b540, 0x0b6a0, 0x195a6, // 1970
  0x095b0, 0x049b0, 0x0a974, 0x0a4b0, 0x0b27a, 0x06a50, 0x06d40, 0x0af46, 0x0ab60, 0x09570, // 1980
  0x04af5, 0x04970, 0x064b0, 0x074a3, 0x0ea50, 0x06b58, 0x05ac0, 0x0ab60, 0x096d5, 0x092e0, // 1990
  0x0c960, 0x0d954, 0x0d4a0, 0x0da50, 0x07552, 0x056a0, 0x0abb7, 0x025d0, 0x092d0, 0x0cab5, // 2000
  0x0a950, 0x0b4a0, 0x0baa4, 0x0ad50, 0x055d9, 0x04ba0, 0x0a5b0, 0x15176, 0x052b0, 0x0a930, // 2010
  0x07954, 0x06aa0, 0x0ad50, 0x05b52, 0x04b60, 0x0a6e6, 0x0a4e0, 0x0d260, 0x0ea65, 0x0d530, // 2020
  0x05aa0, 0x076a3, 0x096d0, 0x04afb, 0x04ad0, 0x0a4d0, 0x1d0b6, 0x0d250, 0x0d520, 0x0dd45, // 2030
  0x0b5a0, 0x056d0, 0x055b2, 0x049b0, 0x0a577, 0x0a4b0, 0x0aa50, 0x1b255, 0x06d20, 0x0ada0  // 2040
];

var solarMonth = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31];
var Gan = ['甲', '乙', '丙', '丁', '戊', '己', '庚', '辛', '壬', '癸'];
var Zhi = ['子', '丑', '寅', '卯', '辰', '巳', '午', '未', '申', '酉', '戌', '亥'];
var nStr1 = ['日', '一', '二', '三', '四', '五', '六', '七', '八', '九', '十'];
var nStr2 = ['初', '十', '廿', '卅', '\u3000'];

var solarTerm = [
  '小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨', '立夏', '小满', '芒种', '夏至',
  '小暑', '大暑', '立秋', '处暑', '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'
];

// Festivals: two-digit month, two-digit day, flag ('*' public holiday), name.
var sFtv = [
  '0101*元旦', '0214 情人节', '0308 女人节', '0312 植树节', '0314 白色情人节',
  '0315 消费者日', '0401 愚人节', '0501 劳动节', '0504 青年节', '0601 儿童节',
  '0701 建党节', '0801 建军节', '0808 父亲节', '0910 教师节', '1001*国庆节'
];
// Lunar month and day; day 00 is the day before day 1 of that month.
var lFtv = [
  '0101 春节', '0115 元宵节', '0505 端午节', '0707 七夕情人节', '0715 中元节',
  '0815 中秋节', '0909 重阳节', '1208 腊八节', '1224 小年', '0100 除夕'
];
// Month, week of the month (1-5), weekday (0 = Sunday).
var wFtv = ['0520 母亲节'];

// BEGIN generated solar term table (tools/solarterms/generate.js; do not edit by hand)
// Day of each solar term in China Standard Time, years 1900-2049.
// sTermBase[n]: earliest day of term n over those years. sTermDigits: one digit
// per Gregorian month m, 3 * (day of term 2m - base) + (day of term 2m+1 - base),
// twelve per year, five years per line.
var sTermFirstYear = 1900;
var sTermLastYear = 2049;
var sTermBase = [5, 19, 3, 18, 5, 20, 4, 19, 5, 20, 5, 20, 6, 22, 7, 22, 7, 22, 7, 23, 7, 21, 6, 21];
var sTermDigits =
  '444445444754544555755757574858855758588888888758884445444754' +
  '544555755757574855855758588888888758884445444754544555755757' +
  '574855855758588888888758884445444744444555754757544555855758' +
  '585858858758584445444444444545754757544555855757585858858758' +
  '584445444444444445754754544555855757574858858758584445444444' +
  '444445754754544555755757574858858758584445444314444445444754' +
  '544555755757574858855758584444444314444445444754544555755757' +
  '574855855758584444444314444445444754544555755757574855855758' +
  '584444444314444445444754544555755757574855855758584414444314' +
  '444445444444444555754757544555855758581414414314144445444444' +
  '444445754757544555855758581414414314144445444444444445754754' +
  '544555755757580414414314144445444444444445444754544555755757' +
  '570414411314144444444314444445444754544555755757570414411314' +
  '144444444314444445444754544555755757570411411314144444444314' +
  '444445444754544555755757570411411314144414444314444445444754' +
  '544555754757570111411314144414414314444445444454444545754757' +
  '570111411314144414414314444445444444444445754757540111311314' +
  '141414414314144445444444444445454754540111311313140414411314' +
  '144444444444444445444754540111311313130414411314144444444314' +
  '444445444754540111311313130411411314144444444314444445444754' +
  '540111311313130411411314144444444314444445444754540111311313' +
  '130411411314144414414314444445444754540111310313130111411314' +
  '144414414314444445444454540101310313130111311314144414414314' +
  '444445444444440001310313100111311314141414414314144444444444' +
  '440001000313100111311313140414411314144444444444440001000310' +
  '100111311313130411411314144444444314440001000310100111311313' +
  '130411411314144444444314440001000310100111311313130411411314' +
  '144414414314440001000310100111311313130411411314144414414314' +
  '440001000310100101310313130111411314144414414314440001000010' +
  '100001310313130111311314144414414314440000000000000001000313';
// END generated solar term table

var LUNAR_FIRST_YEAR = 1900;
var LUNAR_LAST_YEAR = 2049;

function lunarYearValid(y) {
  return typeof y === 'number' && Math.floor(y) === y && y >= LUNAR_FIRST_YEAR && y <= LUNAR_LAST_YEAR;
}

// Number of the leap month of lunar year y, 0 when none.
function leapMonth(y) {
  return lunarYearValid(y) ? lunarInfo[y - LUNAR_FIRST_YEAR] & 0xf : 0;
}

// Days in the leap month of lunar year y, 0 when none.
function leapDays(y) {
  if (!leapMonth(y)) return 0;
  return (lunarInfo[y - LUNAR_FIRST_YEAR] & 0x10000) ? 30 : 29;
}

// Days in ordinary month m (1-12) of lunar year y.
function monthDays(y, m) {
  if (!lunarYearValid(y) || typeof m !== 'number' || Math.floor(m) !== m || m < 1 || m > 12) return 0;
  return (lunarInfo[y - LUNAR_FIRST_YEAR] & (0x10000 >> m)) ? 30 : 29;
}

// Days in lunar year y.
function lYearDays(y) {
  if (!lunarYearValid(y)) return 0;
  var sum = 0;
  for (var m = 1; m <= 12; m++) sum += monthDays(y, m);
  return sum + leapDays(y);
}

// Days in Gregorian month m (0-11) of year y.
function solarDays(y, m) {
  if (typeof m !== 'number' || Math.floor(m) !== m || m < 0 || m > 11) return 0;
  if (m === 1) return ((y % 4 === 0 && y % 100 !== 0) || y % 400 === 0) ? 29 : 28;
  return solarMonth[m];
}

// Sexagenary name of cycle number n (0 = 甲子).
function cyclical(n) {
  if (typeof n !== 'number' || Math.floor(n) !== n) return '';
  return Gan[((n % 10) + 10) % 10] + Zhi[((n % 12) + 12) % 12];
}

// Name of lunar day d (1-30): 初一 ... 初十, 十一 ... 二十, 廿一 ... 三十.
function cDay(d) {
  if (typeof d !== 'number' || Math.floor(d) !== d || d < 1 || d > 30) return '';
  if (d === 10) return '初十';
  if (d === 20) return '二十';
  if (d === 30) return '三十';
  return nStr2[Math.floor(d / 10)] + nStr1[d % 10];
}

// Name of lunar month m (1-12) without 闰 and 月: 正, 二 ... 十, 十一, 十二.
function toCn(m) {
  if (typeof m !== 'number' || Math.floor(m) !== m || m < 1 || m > 12) return '';
  if (m === 1) return '正';
  if (m <= 10) return nStr1[m];
  return nStr1[10] + nStr1[m - 10];
}

// Day of the month on which solar term n (0-23, 0 = 小寒) of year y falls;
// terms 2m and 2m + 1 fall in Gregorian month m (0-11).
function sTerm(y, n) {
  if (typeof y !== 'number' || Math.floor(y) !== y || y < sTermFirstYear || y > sTermLastYear) return null;
  if (typeof n !== 'number' || Math.floor(n) !== n || n < 0 || n > 23) return null;
  var digit = sTermDigits.charCodeAt((y - sTermFirstYear) * 12 + (n >> 1)) - 48;
  var offset = (n & 1) ? digit % 3 : Math.floor(digit / 3);
  return sTermBase[n] + offset;
}

/* Day indexes: whole days since 31 January 1900, the first day of lunar 1900. */

var LUNAR_MS_PER_DAY = 86400000;
var LUNAR_EPOCH = Date.UTC(1900, 0, 31) / LUNAR_MS_PER_DAY;
var LUNAR_LAST_INDEX = (function () {
  var n = 0;
  for (var y = LUNAR_FIRST_YEAR; y <= LUNAR_LAST_YEAR; y++) n += lYearDays(y);
  return n - 1;
})();

// Day index of Gregorian y, m (0-11), d; months and days past their end roll over.
function lunarDayIndex(y, m, d) {
  var t = new Date(0);
  t.setUTCFullYear(y, m, d);
  return Math.floor(t.getTime() / LUNAR_MS_PER_DAY) - LUNAR_EPOCH;
}

// Lunar date record: year, month (1-12), day (1-30), isLeap, and the cycle
// numbers yearCyl, monCyl (a leap month shares its month's) and dayCyl.
function lunarRecord(year, month, day, isLeap, index) {
  return {
    year: year,
    month: month,
    day: day,
    isLeap: isLeap,
    yearCyl: year - 1864,
    monCyl: 14 + 12 * (year - LUNAR_FIRST_YEAR) + (month - 1),
    dayCyl: index + 40
  };
}

// Lunar date of day index i, or null outside the table.
function lunarFromIndex(i) {
  if (typeof i !== 'number' || !(i >= 0 && i <= LUNAR_LAST_INDEX)) return null;
  var d = i;
  var y = LUNAR_FIRST_YEAR;
  var len;
  while (y < LUNAR_LAST_YEAR && d >= (len = lYearDays(y))) {
    d -= len;
    y++;
  }
  var leap = leapMonth(y);
  for (var m = 1; m <= 12; m++) {
    len = monthDays(y, m);
    if (d < len) return lunarRecord(y, m, d + 1, false, i);
    d -= len;
    if (m === leap) {
      len = leapDays(y);
      if (d < len) return lunarRecord(y, m, d + 1, true, i);
      d -= len;
    }
  }
  return null;
}

function lunarMonthLength(l) {
  return l.isLeap ? leapDays(l.year) : monthDays(l.year, l.month);
}

// Lunar date of the day after l, or null past the table.
function lunarNextDay(l) {
  var index = l.dayCyl - 40 + 1;
  if (index > LUNAR_LAST_INDEX) return null;
  if (l.day < lunarMonthLength(l)) return lunarRecord(l.year, l.month, l.day + 1, l.isLeap, index);
  if (!l.isLeap && leapMonth(l.year) === l.month) return lunarRecord(l.year, l.month, 1, true, index);
  if (l.month < 12) return lunarRecord(l.year, l.month + 1, 1, false, index);
  return lunarRecord(l.year + 1, 1, 1, false, index);
}

// Whether l is the last day before day 1 of ordinary month m.
function lunarIsEveOf(l, m) {
  if (l.day !== lunarMonthLength(l)) return false;
  if (!l.isLeap && leapMonth(l.year) === l.month) return false; // the leap month follows
  return (l.month % 12) + 1 === m;
}

// Lunar date of a Date (its local year, month and day); null outside
// 31 January 1900 - 22 January 2050 or for anything that is not a valid Date.
// Call as a plain function.
function Lunar(date) {
  if (Object.prototype.toString.call(date) !== '[object Date]' || isNaN(date.getTime())) return null;
  var y = date.getFullYear();
  if (y < LUNAR_FIRST_YEAR || y > LUNAR_LAST_YEAR + 1) return null;
  return lunarFromIndex(lunarDayIndex(y, date.getMonth(), date.getDate()));
}

// Day record of a month record.
function calElement(sYear, sMonth, sDay, week, lYear, lMonth, lDay, isLeap, cYear, cMonth, cDay) {
  this.isToday = false;
  this.sYear = sYear;
  this.sMonth = sMonth;
  this.sDay = sDay;
  this.week = week;
  this.lYear = lYear;
  this.lMonth = lMonth;
  this.lDay = lDay;
  this.isLeap = isLeap;
  this.cYear = cYear;
  this.cMonth = cMonth;
  this.cDay = cDay;
  this.color = '';
  this.lunarFestival = '';
  this.solarFestival = '';
  this.solarTerms = '';
}

// Today (year, month 0-11, day), read once when the script loads; calendar()
// marks it with isToday.
var tY = new Date().getFullYear();
var tM = new Date().getMonth();
var tD = new Date().getDate();

// Month record of Gregorian year y, month m (0-11): length, firstWeek (weekday
// of the 1st, 0 = Sunday) and day records 0 ... length - 1. today (a Date) may
// replace the date read at load for isToday.
function calendar(y, m, today) {
  if (typeof y !== 'number' || Math.floor(y) !== y || y < 1 || y > 9999 ||
      typeof m !== 'number' || Math.floor(m) !== m || m < 0 || m > 11) {
    return { length: 0, firstWeek: 0 };
  }
  var length = solarDays(y, m);
  var first = lunarDayIndex(y, m, 1);
  var firstWeek = ((first + LUNAR_EPOCH + 4) % 7 + 7) % 7; // 1 January 1970 was a Thursday
  var cld = { length: length, firstWeek: firstWeek };
  var lunar = [];
  var l = lunarFromIndex(first);
  var i, n, entry, day;

  for (i = 0; i < length; i++) {
    if (i > 0) l = l ? lunarNextDay(l) : lunarFromIndex(first + i);
    lunar.push(l);
  }
  for (i = 0; i < length; i++) {
    l = lunar[i];
    var weekday = (i + firstWeek) % 7;
    var e = l
      ? new calElement(y, m + 1, i + 1, nStr1[weekday], l.year, l.month, l.day, l.isLeap,
                       cyclical(l.yearCyl), cyclical(l.monCyl), cyclical(l.dayCyl))
      : new calElement(y, m + 1, i + 1, nStr1[weekday], 0, 0, 0, false, '', '', '');
    if (weekday === 0) e.color = '#f15762';
    cld[i] = e;
  }

  for (n = 2 * m; n <= 2 * m + 1; n++) {
    day = sTerm(y, n);
    if (day !== null && day <= length) cld[day - 1].solarTerms = solarTerm[n];
  }

  for (n = 0; n < sFtv.length; n++) {
    entry = sFtv[n];
    if (Number(entry.substr(0, 2)) !== m + 1) continue;
    day = Number(entry.substr(2, 2));
    if (day >= 1 && day <= length) cld[day - 1].solarFestival += entry.substr(5) + ' ';
  }

  for (n = 0; n < wFtv.length; n++) {
    entry = wFtv[n];
    if (Number(entry.substr(0, 2)) !== m + 1) continue;
    var w = Number(entry.charAt(2));
    var k = Number(entry.charAt(3));
    i = (firstWeek > k ? 7 : 0) + 7 * (w - 1) + k - firstWeek;
    if (i >= 0 && i < length) cld[i].solarFestival += entry.substr(5) + ' ';
  }

  for (i = 0; i < length; i++) {
    l = lunar[i];
    if (!l) continue;
    for (n = 0; n < lFtv.length; n++) {
      entry = lFtv[n];
      var lm = Number(entry.substr(0, 2));
      var ld = Number(entry.substr(2, 2));
      var hit = ld === 0 ? lunarIsEveOf(l, lm) : (!l.isLeap && l.month === lm && l.day === ld);
      if (hit) cld[i].lunarFestival += entry.substr(5) + ' ';
    }
  }

  var useGiven = Object.prototype.toString.call(today) === '[object Date]' && !isNaN(today.getTime());
  var ty = useGiven ? today.getFullYear() : tY;
  var tm = useGiven ? today.getMonth() : tM;
  var td = useGiven ? today.getDate() : tD;
  if (ty === y && tm === m && td >= 1 && td <= length) cld[td - 1].isToday = true;
  return cld;
}

if (typeof module !== 'undefined' && module.exports) {
  module.exports = {
    lunarInfo: lunarInfo, solarMonth: solarMonth, Gan: Gan, Zhi: Zhi, nStr1: nStr1, nStr2: nStr2,
    solarTerm: solarTerm, sFtv: sFtv, lFtv: lFtv, wFtv: wFtv,
    sTermFirstYear: sTermFirstYear, sTermLastYear: sTermLastYear, sTermBase: sTermBase, sTermDigits: sTermDigits,
    leapMonth: leapMonth, leapDays: leapDays, monthDays: monthDays, lYearDays: lYearDays, solarDays: solarDays,
    cyclical: cyclical, cDay: cDay, toCn: toCn, sTerm: sTerm, Lunar: Lunar, calElement: calElement, calendar: calendar,
    tY: tY, tM: tM, tD: tD
  };
}
