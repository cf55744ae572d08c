# The stack of libraries, bottom first. Every library names its layer
# (LAYER in kd_headless_library / kd_qt_library) and may link only
# libraries of the layers below it: never one above, and never one beside
# it on its own layer. kd_check_layers() fails the configure step otherwise,
# so the libraries link without cycles. docs/building.md draws the stack.
#
# A new library takes the layer it belongs to; a layer is added here only
# where the stack itself grows.
set(KD_LAYERS
  runtime            # platform/runtime: text, files, numbers
  platform           # files and profiles (win32), the database (jet), grid model, gdi, net
  platform_widgets   # the painted grid widget
  core               # settings, project, work folders, seams, message box, palette, grid helpers
  toolkit            # the toolkit's headless parts: colour conversions, the grid editor
  draft_inputs       # league, scoring, strategy and distribution files and their records
  database           # the projected-stats file (stores scoring systems)
  engine             # the engine's jobs and the league transfers they use
  user_mock          # user mock drafting
  services           # documents, validation, player data, editors: beside each other
  shell              # the page model of the main window and the file-dialog checks
  dialog_logic       # the headless rules of dialogs that pages open, asking through the shell's file dialogs
  page_logic         # pages' headless controllers that ask through the shell's questions and file dialogs
  widgets            # the toolkit's widgets
  main_window        # the shell's windows: main window, page base, message box, progress
  pages              # the page and window libraries, beside each other; the application links them all
  tools              # build-time programs
)
