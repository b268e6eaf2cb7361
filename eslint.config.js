// ESLint for the page (web/), its tests (tests/web/) and the page's bench (bench/*.mjs):
// eslint:recommended, and rules that keep functions short and plain. Run by .ci/run as errors:
//   npx eslint .
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['build*/**', 'node_modules/**'] },
  js.configs.recommended,
  {
    files: ['web/**/*.js'],
    languageOptions: { globals: { ...globals.browser } },
  },
  {
    files: ['tests/web/**/*.js', 'bench/**/*.mjs', 'eslint.config.js'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
  {
    files: ['**/*.js', '**/*.mjs'],
    rules: {
      'max-lines-per-function': ['error', { max: 60, skipBlankLines: true, skipComments: true }],
      complexity: ['error', 12],
      'max-depth': ['error', 4],
      'no-nested-ternary': 'error',
      'no-unused-vars': ['error', { argsIgnorePattern: '^_' }],
      eqeqeq: 'error',
      'prefer-const': 'error',
      'no-var': 'error',
    },
  },
  {
    // A test is a table and the loop over it; a browser scenario is one story, step by step,
    // whose checks branch on the row.
    files: ['tests/web/**/*.js', 'bench/**/*.mjs'],
    rules: {
      complexity: ['error', 25],
      'max-lines-per-function': ['error', { max: 120, skipBlankLines: true, skipComments: true }],
    },
  },
];
