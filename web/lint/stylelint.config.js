// The page's style: the rules that catch mistakes. The page orders its rules by what they draw
// (the frame, the buttons, the menus, the boxes, the touch screen's sizes), not by specificity.
export default {
    extends: ['stylelint-config-recommended'],
    rules: {
        'no-descending-specificity': null,
    },
};
