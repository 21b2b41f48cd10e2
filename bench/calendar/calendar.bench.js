// Calendar page timings with COUNT entries spread over ten years: from the start of the page's
// navigation to its marks drawn, and from a month button to the next month's marks drawn.
// bench/calendar/run.sh fills in COUNT and runs this with the page test runner.
const COUNT = __COUNT__;
const PAGE = 'tavelo://app/HTML/187';
const RUNS = 7;

suite({
    clock: '2012-05-15T10:00:00',
    size: [355, 490],
    sql: COUNT === 0 ? [] : [
        'with recursive n(i) as (select 0 union all select i + 1 from n where i < ' + (COUNT - 1) + ') ' +
        'insert into shzl(time,type,cont,remark) ' +
        "select date('2008-01-01', '+' || (i % 3650) || ' days') || printf(' %02d:%02d', i % 24, i % 60), " +
        "case i % 3 when 0 then 'sb' when 1 then 'jz' else 'tx' end, " +
        "case i % 3 when 1 then (i % 200) - 100 else 0 end, 'entry ' || i from n",
    ],
});

const now = () => performance.timeOrigin + performance.now();
const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];
function print(line) {
    const request = new XMLHttpRequest();
    request.open('POST', 'tavelo://app/TEST/~report', false);
    request.send(line);
}

test('timings', async ({ win, doc, eq, ok, goto, click }) => {
    const load = [];
    const step = [];
    for (let r = 0; r < RUNS; r++) {
        const start = now();
        await goto(PAGE);
        load.push(now() - start);
        eq(win.DataSet1 === null ? 0 : win.DataSet1.length, COUNT, 'all entries arrived');
        ok(COUNT === 0 || doc.getElementById('ShowIcon').children.length > 0, 'marks drawn');
        const t = win.performance.now();
        win.pushBtm(r % 2 ? 'monthBack' : 'monthForward');
        step.push(win.performance.now() - t);
    }
    // The request and the drawing on their own, inside the page.
    const t0 = win.performance.now();
    win.external.ServerFun('shzl', 'getData', '', '', '', '');
    const request = win.performance.now() - t0;
    print(`# calendar ${COUNT} entries: navigation to marks drawn ${median(load).toFixed(1)} ms ` +
          `(median of ${RUNS}; getData answered and marks drawn in the page ${request.toFixed(1)} ms), ` +
          `month step ${median(step).toFixed(1)} ms`);
});
