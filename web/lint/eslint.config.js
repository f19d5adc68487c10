// The page's scripts: the recommended rules, in the environment each runs in.
import js from '@eslint/js';
import globals from 'globals';

export default [
    js.configs.recommended,
    {
        files: ['page.js', 'kept_game.js'],
        languageOptions: { sourceType: 'module', globals: { ...globals.browser, Module: 'readonly' } },
    },
    {
        files: ['start.js'],
        languageOptions: { sourceType: 'script', globals: globals.browser },
    },
    {
        files: ['sw.js'],
        languageOptions: { sourceType: 'script', globals: globals.serviceworker },
    },
    {
        rules: {
            eqeqeq: 'error',
            'no-var': 'error',
            'prefer-const': 'error',
            'no-implicit-globals': 'error',
            'no-unused-vars': ['error', { argsIgnorePattern: '^_' }],
        },
    },
];
