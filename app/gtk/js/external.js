// window.external for every frame of the program: the four methods pages call. ServerFun is a
// synchronous request to the program's own address space whose answer lists the page functions
// to call (run here, in order, before ServerFun returns) and the page to load afterwards.
(function () {
    'use strict';
    const BRIDGE = 'tavelo://app/bridge/ServerFun';
    const PAGE = 'tavelo://app/HTML/';

    // Turns one script value into the text the native side receives, the way automation coerces
    // a value to a string; a value it cannot coerce fails the whole call before anything runs.
    function toText(value) {
        if (value === undefined) {
            return '';
        }
        if (value === null) {
            throw new TypeError('ServerFun: null cannot be converted to text');
        }
        switch (typeof value) {
        case 'string':
            // Half of a surrogate pair (a character cut in two) has no UTF-8 form; it becomes
            // U+FFFD so the rest of the text still arrives.
            return value.toWellFormed ? value.toWellFormed() :
                value.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g,
                              '\uFFFD');
        case 'number':
            return String(value);
        case 'boolean':
            // Automation writes a boolean as the number it stands for.
            return value ? '-1' : '0';
        default:
            throw new TypeError('ServerFun: a value of type ' + typeof value +
                                ' cannot be converted to text');
        }
    }

    // Page ids arrive as 32-bit integers, as the automation layer coerces them.
    function pageId(value) {
        const n = Number(value);
        if (value === null || value === undefined || !Number.isFinite(n)) {
            throw new TypeError('GotoHtml: ' + String(value) + ' is not a page id');
        }
        return Math.round(n) | 0;
    }

    // A page load asked for during a call must not cut the calling script short.
    function loadLater(id) {
        setTimeout(function () {
            window.location.href = PAGE + id;
        }, 0);
    }

    function record(name, argument) {
        try {
            if (typeof window.top.__taveloRecordCall === 'function') {
                window.top.__taveloRecordCall(name, argument);
            }
        } catch (e) {
            // A frame of another origin cannot see the top frame; nothing to record then.
        }
    }

    // Calls a global function of this page; a missing function or a failing one drops the answer.
    function deliver(name, argument) {
        record(name, argument);
        const fn = window[name];
        if (typeof fn !== 'function') {
            return false;
        }
        try {
            fn.call(window, argument);
            return true;
        } catch (e) {
            return false;
        }
    }

    function serverFun(module, action, a1, a2, a3, a4) {
        const texts = [module, action, a1, a2, a3, a4].map(toText);
        const request = new XMLHttpRequest();
        request.open('POST', BRIDGE, false);
        request.setRequestHeader('Content-Type', 'application/json');
        let answer;
        try {
            request.send(JSON.stringify(texts));
            answer = JSON.parse(request.responseText);
        } catch (e) {
            throw new Error('ServerFun: the program did not answer');
        }
        if (typeof answer.load === 'number') {
            loadLater(answer.load);
        }
        (answer.calls || []).forEach(function (call) {
            deliver(call[0], call[1]);
        });
        if (answer.error) {
            throw new Error(answer.error);
        }
    }

    const external = Object.freeze({
        GotoPage: function () { loadLater(176); },
        GotoRili: function () { loadLater(187); },
        GotoHtml: function (id) { loadLater(pageId(id)); },
        ServerFun: serverFun,
    });
    Object.defineProperty(window, 'external', { value: external, configurable: false,
                                                 writable: false, enumerable: false });
    // The native side calls page functions through this outside of a request.
    Object.defineProperty(window, '__taveloDeliver', { value: deliver, configurable: false,
                                                        writable: false, enumerable: false });
})();
