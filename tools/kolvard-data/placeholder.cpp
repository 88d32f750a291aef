namespace kolvard_datatool_placeholder {}
