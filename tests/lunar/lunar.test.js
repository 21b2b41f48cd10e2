'use strict';
// The calendar works in local time; pin it before anything builds a Date.
process.env.TZ = 'Asia/Shanghai';

const { describe, test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('node:path');

const L = require(path.join(__dirname, '..', '..', 'pages', 'JS', 'lunar.js'));

const day = (text) => {
  const [y, m, d] = text.split('-').map(Number);
  return new Date(y, m - 1, d);
};
const record = (text) => {
  const [y, m, d] = text.split('-').map(Number);
  return L.calendar(y, m - 1)[d - 1];
};
const lunarText = (l) => `${l.year}-${l.isLeap ? 'L' : ''}${l.month}-${l.day}`;

describe('Gregorian to lunar conversion', () => {
  // date, lunar year-[L]month-day, year, month and day names
  const cases = [
    ['1900-01-31', '1900-1-1', '庚子', '戊寅', '甲辰'],
    ['2000-01-01', '1999-11-25', '己卯', '丙子', '戊午'],
    ['2010-01-01', '2009-11-17', '己丑', '丙子', '辛亥'],
    ['2012-01-22', '2011-12-29', '辛卯', '辛丑', '壬午'],
    ['2012-01-23', '2012-1-1', '壬辰', '壬寅', '癸未'],
    ['2020-05-23', '2020-L4-1', '庚子', '辛巳', '丙寅'],
    ['2020-06-21', '2020-5-1', '庚子', '壬午', '乙未'],
    ['2050-01-22', '2049-12-29', '己巳', '丁丑', '壬寅'],
    // years whose month lengths or leap month follow the official calendar
    ['1933-07-22', '1933-L5-30', '癸酉', '戊午', '己丑'],
    ['1954-11-25', '1954-11-1', '甲午', '丙子', '乙酉'],
    ['1956-12-02', '1956-11-1', '丙申', '庚子', '癸卯'],
    ['1978-09-02', '1978-7-30', '戊午', '庚申', '丁卯'],
    ['1996-07-15', '1996-5-30', '丙子', '甲午', '癸丑'],
    ['1996-08-13', '1996-6-29', '丙子', '乙未', '壬午'],
    ['2033-08-25', '2033-8-1', '癸丑', '辛酉', '戊申'],
    ['2033-12-22', '2033-L11-1', '癸丑', '甲子', '丁未'],
    ['2034-01-19', '2033-L11-29', '癸丑', '甲子', '乙亥'],
  ];
  for (const [date, lunar, cYear, cMonth, cDay] of cases) {
    test(`${date} is ${lunar} ${cYear}年 ${cMonth}月 ${cDay}日`, () => {
      const l = L.Lunar(day(date));
      assert.equal(lunarText(l), lunar);
      assert.deepEqual([L.cyclical(l.yearCyl), L.cyclical(l.monCyl), L.cyclical(l.dayCyl)], [cYear, cMonth, cDay]);
      const e = record(date);
      assert.equal(`${e.lYear}-${e.isLeap ? 'L' : ''}${e.lMonth}-${e.lDay}`, lunar);
      assert.deepEqual([e.cYear, e.cMonth, e.cDay], [cYear, cMonth, cDay]);
    });
  }

  test('the time of day does not change the result', () => {
    assert.deepEqual(L.Lunar(new Date(2012, 0, 22, 23, 59, 59)), L.Lunar(new Date(2012, 0, 22, 0, 0, 0)));
  });
});

describe('day, month and cycle names', () => {
  test('cDay', () => {
    const names = {
      1: '初一', 9: '初九', 10: '初十', 11: '十一', 15: '十五', 19: '十九',
      20: '二十', 21: '廿一', 29: '廿九', 30: '三十',
    };
    for (const [d, name] of Object.entries(names)) assert.equal(L.cDay(Number(d)), name, `day ${d}`);
  });

  test('toCn', () => {
    const names = ['正', '二', '三', '四', '五', '六', '七', '八', '九', '十', '十一', '十二'];
    names.forEach((name, i) => assert.equal(L.toCn(i + 1), name, `month ${i + 1}`));
  });

  test('cyclical wraps every sixty', () => {
    assert.deepEqual([0, 1, 11, 59, 60, 121].map(L.cyclical), ['甲子', '乙丑', '乙亥', '癸亥', '甲子', '乙丑']);
  });

  test('values that have no name give empty texts', () => {
    for (const v of [0, 31, -1, 1.5, NaN, undefined, '5']) assert.equal(L.cDay(v), '', `cDay(${v})`);
    for (const v of [0, 13, 2.5, null]) assert.equal(L.toCn(v), '', `toCn(${v})`);
    assert.equal(L.cyclical(0.5), '');
  });
});

describe('table lengths', () => {
  test('solarDays follows the leap-year rule', () => {
    const cases = [[1900, 1, 28], [2000, 1, 29], [2012, 1, 29], [2013, 1, 28], [2100, 1, 28], [2012, 0, 31], [2012, 10, 30]];
    for (const [y, m, n] of cases) assert.equal(L.solarDays(y, m), n, `${y}-${m}`);
  });

  test('lunar year lengths match the days between two new years', () => {
    const cases = [[2011, 354], [2012, 384], [2020, 384], [2033, 384], [2049, 355]];
    for (const [y, n] of cases) assert.equal(L.lYearDays(y), n, String(y));
    assert.deepEqual([L.leapMonth(2033), L.leapDays(2033), L.leapMonth(2012), L.leapDays(2012)], [11, 29, 4, 29]);
  });
});

describe('solar terms', () => {
  // year, term number, month (1-12), day
  const cases = [
    [2012, 2, 2, 4], // 立春
    [2012, 6, 4, 4], // 清明
    [2012, 22, 12, 7], // 大雪
    [2012, 23, 12, 21], // 冬至
    [2013, 2, 2, 4], // 立春
    [2020, 12, 7, 6], // 小暑
    [2026, 10, 6, 5], // 芒种
    [1900, 0, 1, 6], // 小寒
    [2049, 23, 12, 21], // 冬至
  ];
  for (const [y, n, month, d] of cases) {
    test(`${L.solarTerm[n]} ${y} is on ${month}/${d}`, () => {
      assert.equal(L.sTerm(y, n), d);
      const cld = L.calendar(y, month - 1);
      const marked = [];
      for (let i = 0; i < cld.length; i++) if (cld[i].solarTerms === L.solarTerm[n]) marked.push(i + 1);
      assert.deepEqual(marked, [d]);
    });
  }

  test('every month of 1900-2049 carries its two terms on two distinct days', () => {
    for (let y = 1900; y <= 2049; y++) {
      for (let m = 0; m < 12; m++) {
        const cld = L.calendar(y, m);
        const terms = [];
        for (let i = 0; i < cld.length; i++) if (cld[i].solarTerms) terms.push(cld[i].solarTerms);
        assert.deepEqual(terms, [L.solarTerm[2 * m], L.solarTerm[2 * m + 1]], `${y}-${m + 1}`);
      }
    }
  });
});

describe('festivals', () => {
  test('母亲节 is the second Sunday of May', () => {
    // year, expected day (the 1st of May is a Tuesday, Sunday, Saturday, Monday)
    for (const [y, d] of [[2012, 13], [2016, 8], [2021, 9], [2017, 14]]) {
      const cld = L.calendar(y, 4);
      const days = [];
      for (let i = 0; i < cld.length; i++) if (cld[i].solarFestival.includes('母亲节')) days.push(i + 1);
      assert.deepEqual(days, [d], String(y));
      assert.equal(cld[d - 1].solarFestival, '母亲节 ');
    }
    for (let y = 1900; y <= 2049; y++) {
      const cld = L.calendar(y, 4);
      const days = [];
      for (let i = 0; i < cld.length; i++) if (cld[i].solarFestival.includes('母亲节')) days.push(i);
      assert.equal(days.length, 1, String(y));
      assert.equal(cld[days[0]].week, '日', String(y));
      assert.ok(days[0] >= 7 && days[0] <= 13, String(y));
    }
  });

  test('solar festivals', () => {
    const cases = [
      ['2012-10-01', '国庆节 '], ['2013-01-01', '元旦 '], ['2012-03-14', '白色情人节 '],
      ['2012-08-08', '父亲节 '], ['2012-10-02', ''],
    ];
    for (const [date, text] of cases) assert.equal(record(date).solarFestival, text, date);
  });

  test('lunar festivals, never in a leap month', () => {
    const cases = [
      ['2020-10-01', '中秋节 '], // also 国庆节, which stays a solar festival
      ['1978-09-17', '中秋节 '],
      ['2012-01-23', '春节 '], ['2012-02-06', '元宵节 '], ['2012-01-30', ''],
      ['2012-06-23', '端午节 '], ['2012-05-25', ''], // leap 4th month, day 5
      ['2020-06-25', '端午节 '], ['2020-05-27', ''], // leap 4th month, day 5
      ['2009-05-28', '端午节 '], ['2009-06-27', ''], // leap 5th month, day 5
      ['2006-07-31', '七夕情人节 '], ['2006-08-30', ''], // leap 7th month, day 7
      ['2006-08-08', '中元节 '], ['2006-09-07', ''], // leap 7th month, day 15
    ];
    for (const [date, text] of cases) assert.equal(record(date).lunarFestival, text, date);
    assert.equal(record('2020-10-01').solarFestival, '国庆节 ');
  });

  test('除夕 is the last day of the lunar year', () => {
    // date, lunar date: 12th months of 29 and 30 days, in January and February,
    // at the end of a Gregorian month and on the last convertible day
    const cases = [
      ['2012-01-22', '2011-12-29'], ['2020-01-24', '2019-12-30'], ['2015-02-18', '2014-12-30'],
      ['2026-02-16', '2025-12-29'], ['2022-01-31', '2021-12-29'], ['2050-01-22', '2049-12-29'],
    ];
    for (const [date, lunar] of cases) {
      const e = record(date);
      assert.equal(`${e.lYear}-${e.lMonth}-${e.lDay}`, lunar, date);
      assert.equal(e.lunarFestival, '除夕 ', date);
    }
    assert.equal(record('2022-02-01').lunarFestival, '春节 ');
    assert.equal(record('2020-01-23').lunarFestival, '', '12th month day 29 of a 30-day month');
  });
});

describe('month record', () => {
  test('December 2012: a 31-day month starting on Saturday fills six rows', () => {
    const cld = L.calendar(2012, 11, new Date(2012, 11, 21, 15, 0));
    assert.equal(cld.length, 31);
    assert.equal(cld.firstWeek, 6);
    assert.ok(cld.firstWeek + cld.length > 35);
    assert.equal(cld[31], undefined);
    const weeks = [];
    for (let i = 0; i < 7; i++) weeks.push(cld[i].week);
    assert.deepEqual(weeks, ['六', '日', '一', '二', '三', '四', '五']);
    const first = cld[0];
    assert.deepEqual(
      { ...first },
      {
        isToday: false, sYear: 2012, sMonth: 12, sDay: 1, week: '六',
        lYear: 2012, lMonth: 10, lDay: 18, isLeap: false,
        cYear: '壬辰', cMonth: '辛亥', cDay: '丙申', color: '',
        lunarFestival: '', solarFestival: '', solarTerms: '',
      },
    );
    for (let i = 0; i < cld.length; i++) {
      assert.equal(cld[i].color, cld[i].week === '日' ? '#f15762' : '', `day ${i + 1}`);
      assert.equal(cld[i].isToday, i === 20, `day ${i + 1}`);
    }
    // a new lunar month starts on the 13th and takes its own month name
    assert.deepEqual([cld[11].lMonth, cld[11].lDay, cld[12].lMonth, cld[12].lDay], [10, 29, 11, 1]);
    assert.deepEqual([cld[11].cMonth, cld[12].cMonth, cld[12].cDay], ['辛亥', '壬子', '戊申']);
    assert.equal(cld[6].solarTerms, '大雪');
    assert.equal(cld[20].solarTerms, '冬至');
  });

  test('today is marked only in its own month', () => {
    const today = new Date(2020, 4, 23);
    assert.equal(L.calendar(2020, 4, today)[22].isToday, true);
    const other = L.calendar(2021, 4, today);
    for (let i = 0; i < other.length; i++) assert.equal(other[i].isToday, false);
    const now = new Date();
    assert.equal(L.calendar(now.getFullYear(), now.getMonth())[now.getDate() - 1].isToday, true);
  });

  test('every day from 1900 to 2050 agrees with Lunar and follows the day before', () => {
    let prev = null;
    let eves = 0;
    for (let y = 1900; y <= 2050; y++) {
      for (let m = 0; m < 12; m++) {
        const cld = L.calendar(y, m);
        for (let i = 0; i < cld.length; i++) {
          const e = cld[i];
          const l = L.Lunar(new Date(y, m, i + 1));
          const where = `${y}-${m + 1}-${i + 1}`;
          if (!l) {
            assert.deepEqual([e.lYear, e.lMonth, e.lDay, e.cDay, e.lunarFestival], [0, 0, 0, '', ''], where);
            prev = null;
            continue;
          }
          assert.deepEqual([e.lYear, e.lMonth, e.lDay, e.isLeap], [l.year, l.month, l.day, l.isLeap], where);
          assert.deepEqual([e.cYear, e.cMonth, e.cDay], [L.cyclical(l.yearCyl), L.cyclical(l.monCyl), L.cyclical(l.dayCyl)], where);
          if (e.isLeap) assert.ok(e.lunarFestival === '' || e.lunarFestival === '除夕 ', where);
          if (e.lunarFestival.includes('除夕')) eves++;
          if (prev) {
            assert.equal(l.dayCyl, prev.dayCyl + 1, where);
            if (l.day === 1) {
              assert.ok(prev.day === 29 || prev.day === 30, where);
              assert.equal(prev.lunarFestival === '除夕 ', l.month === 1 && !l.isLeap, where);
            } else {
              assert.deepEqual([l.year, l.month, l.isLeap, l.day], [prev.year, prev.month, prev.isLeap, prev.day + 1], where);
            }
          }
          prev = { ...l, lunarFestival: e.lunarFestival };
        }
      }
    }
    assert.equal(eves, 150);
  });
});

describe('dates outside 31 January 1900 - 22 January 2050', () => {
  test('Lunar gives null', () => {
    const odd = new Date(2000, 0, 1);
    odd.setFullYear(50);
    for (const v of [day('1900-01-30'), day('2050-01-23'), day('1850-06-01'), day('2200-01-01'), odd,
      new Date(NaN), '2012-01-01', 1327248000000, undefined, null, {}]) {
      assert.equal(L.Lunar(v), null, String(v));
    }
  });

  test('sTerm gives null', () => {
    for (const [y, n] of [[1899, 0], [2050, 0], [2012, 24], [2012, -1], [2012.5, 0], [2012, 1.5], ['2012', 2]]) {
      assert.equal(L.sTerm(y, n), null, `${y}, ${n}`);
    }
  });

  test('lunar table functions give 0', () => {
    assert.deepEqual(
      [L.lYearDays(1899), L.lYearDays(2050), L.leapMonth(2050), L.leapDays(1899), L.monthDays(2012, 0), L.monthDays(2012, 13),
        L.monthDays(2050, 1), L.solarDays(2012, 12), L.solarDays(2012, -1)],
      [0, 0, 0, 0, 0, 0, 0, 0, 0],
    );
  });

  test('calendar keeps the Gregorian days and leaves the lunar fields empty', { timeout: 10000 }, () => {
    const jan1900 = L.calendar(1900, 0);
    assert.deepEqual([jan1900.length, jan1900.firstWeek], [31, 1]);
    assert.deepEqual([jan1900[29].lDay, jan1900[29].cYear, jan1900[29].lunarFestival], [0, '', '']);
    assert.deepEqual([jan1900[30].lMonth, jan1900[30].lDay, jan1900[30].lunarFestival], [1, 1, '春节 ']);
    assert.equal(jan1900[0].solarFestival, '元旦 ');

    const jan2050 = L.calendar(2050, 0);
    assert.equal(jan2050[21].lunarFestival, '除夕 ');
    assert.deepEqual([jan2050[22].lMonth, jan2050[22].lDay, jan2050[22].cMonth, jan2050[22].isLeap], [0, 0, '', false]);

    const far = L.calendar(2100, 4);
    assert.deepEqual([far.length, far.firstWeek], [31, 6]);
    for (let i = 0; i < far.length; i++) {
      assert.deepEqual([far[i].lDay, far[i].cDay, far[i].lunarFestival, far[i].solarTerms], [0, '', '', '']);
    }
    assert.equal(far[8].solarFestival, '母亲节 ');
  });

  test('calendar gives an empty month for arguments that name no month', () => {
    for (const [y, m] of [[2012, 12], [2012, -1], [2012, 1.5], [NaN, 0], [0, 0], [10000, 0], ['x', 1], [undefined, undefined]]) {
      assert.deepEqual(L.calendar(y, m), { length: 0, firstWeek: 0 }, `${y}, ${m}`);
    }
  });
});
