// page.js: the page's side of the game. It passes the player's clicks to the rules (torvelle.js,
// built from the same C++ as the desktop's) and shows what they do: pictures, texts, boxes. Every
// text comes from the rules or from the page as it was written from the design.
'use strict';

const torvellePage = (() => {
    const $ = (id) => document.getElementById(id);
    let started;
    // Calls into the rules, one after the other: while a box waits for its answer, the rules
    // are suspended in the middle of a click, and nothing else may enter them. The first waits
    // for the rules to arrive.
    let calls = new Promise((resolve) => { started = resolve; });
    let lastCell = -1;

    function call(name, ...args) {
        calls = calls.then(() => Module.ccall(name, null, args.map(() => 'number'), args,
                                              { async: true }));
    }

    function ask(title, prompt, said, buttons) {
        const box = $('box');
        $('box-caption').textContent = title;
        $('box-text').textContent = prompt.replaceAll('\r\n', '\n');
        $('box-said').textContent = said;
        const row = $('box-buttons');
        row.replaceChildren();
        closeMenu();
        return new Promise((answer) => {
            let answered = false;
            const done = (index) => {
                answered = true;
                box.close();
                answer(index);
            };
            buttons.forEach((text, index) => {
                const button = document.createElement('button');
                button.type = 'button';
                button.textContent = text;
                button.addEventListener('click', () => done(index));
                row.append(button);
            });
            // Escape answers a box with OK alone; "Oui" or "Non" must be chosen.
            box.oncancel = (event) => {
                event.preventDefault();
                if (buttons.length === 1)
                    done(0);
            };
            // A browser may still close a box on a repeated Escape: the rules wait for an
            // answer, so it opens again.
            box.onclose = () => {
                if (!answered)
                    box.showModal();
            };
            box.showModal();
            row.firstChild.focus();
        });
    }

    function showPicture(cell, picture, name) {
        const button = $('Picture1').querySelectorAll('.cell')[cell];
        button.firstChild.src = `pictures/${picture}.svg`;
        button.setAttribute('aria-label', name);
    }

    function setText(id, text) {
        $(id).textContent = text.replaceAll('\r\n', '\n');
    }

    function setProgress(maximum, value) {
        const bar = $('Progre');
        bar.max = Math.max(maximum, 1);
        bar.value = Math.min(value, maximum);
    }

    function announce(text) {
        if (text)
            $('said').textContent = text;
    }

    // A page cannot end its program: the window stops reacting and a new game is offered.
    function endGame() {
        $('Form1').inert = true;
        $('Dialog').close();
        $('ended').hidden = false;
        $('newGame').focus();
    }

    // The "&?" drop-down, and the menu bar's keys.
    function closeMenu() {
        $('aide-menu').hidden = true;
        $('aide').setAttribute('aria-expanded', 'false');
    }
    function openMenu() {
        const menu = $('aide-menu');
        const opener = $('aide');
        menu.style.left = `${opener.offsetLeft}px`;
        menu.style.top = `${opener.offsetTop + opener.offsetHeight}px`;
        menu.hidden = false;
        opener.setAttribute('aria-expanded', 'true');
        menu.firstChild.focus();
    }
    function menuKeys(event) {
        const items = [...$('aide-menu').children];
        const at = items.indexOf(document.activeElement);
        if (event.key === 'Escape') {
            closeMenu();
            $('aide').focus();
        } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
            items[(at + step) % items.length].focus();
        } else {
            return;
        }
        event.preventDefault();
    }

    function openAbout() {
        const about = $('Dialog');
        if (!about.open)
            about.show();
        $('Dialog-OKButton').focus();
    }

    // Where the slider's keys step by its large step, as the desktop's does.
    function sliderKeys(event) {
        const slider = event.currentTarget;
        const large = Number(slider.dataset.largeStep);
        const step = { PageDown: large, PageUp: -large }[event.key];
        if (!step)
            return;
        event.preventDefault();
        slider.value = Number(slider.value) + step;
        slider.dispatchEvent(new Event('input', { bubbles: true }));
    }

    function wire() {
        const grid = $('Picture1');
        grid.addEventListener('click', (event) => {
            const cell = event.target.closest('.cell');
            if (!cell)
                return;
            const index = Number(cell.dataset.i);
            // The second click of a double click is no new click, as on the desktop.
            if (event.detail > 1 && index === lastCell)
                return;
            lastCell = index;
            call('torvelle_click', index);
        });
        // Keys on the grid do nothing but give the window the keyboard, as on the desktop.
        grid.addEventListener('keydown', (event) => {
            if (event.key === 'Tab')
                return;
            event.preventDefault();
            focusWindow();
        });
        const slider = $('Slider1');
        // Releasing any mouse button on the slider sets the breath; a finger or a pen too.
        slider.addEventListener('mouseup', (event) => {
            if (!event.sourceCapabilities || !event.sourceCapabilities.firesTouchEvents)
                call('torvelle_slider_up');
        });
        slider.addEventListener('pointerup', (event) => {
            if (event.pointerType !== 'mouse')
                call('torvelle_slider_up');
        });
        slider.addEventListener('contextmenu', (event) => event.preventDefault());
        slider.addEventListener('keydown', sliderKeys);
        $('quit').addEventListener('click', () => call('torvelle_quit'));
        $('aide').addEventListener('click', () =>
            $('aide-menu').hidden ? openMenu() : closeMenu());
        $('aide-menu').addEventListener('keydown', menuKeys);
        $('menuaide').addEventListener('click', () => {
            closeMenu();
            call('torvelle_help');
        });
        $('menuapropos').addEventListener('click', () => {
            closeMenu();
            openAbout();
        });
        document.addEventListener('pointerdown', (event) => {
            if (!event.target.closest('#aide, #aide-menu'))
                closeMenu();
        });
        $('Dialog-OKButton').addEventListener('click', () => $('Dialog').close());
        $('Dialog').querySelector('.close').addEventListener('click', () => $('Dialog').close());
        $('Dialog-Command1').addEventListener('click', () => call('torvelle_payment'));
        $('newGame').addEventListener('click', () => location.reload());
        document.addEventListener('contextmenu', (event) => event.preventDefault());
    }

    function focusWindow() {
        $('Form1').focus({ preventScroll: true });
    }

    // Loaded once the page and its board are on the screen.
    wire();
    $('Picture1').focus({ preventScroll: true }); // the grid has the keyboard at start
    const early = window.torvelleEarly;
    document.removeEventListener('click', early.keep, true);
    early.cells.forEach((cell) => call('torvelle_click', cell));
    const rules = document.createElement('script');
    rules.src = 'torvelle.js';
    document.head.append(rules);
    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js');

    return {
        ask, showPicture, setText, showControl: (id) => { $(id).hidden = false; },
        setProgress, sliderValue: () => Number($('Slider1').value), focusWindow, announce,
        endGame, started: () => started(),
    };
})();

var Module = { onRuntimeInitialized: torvellePage.started };
