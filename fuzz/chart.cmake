# Fuzz target of the chart's marked-up text renderer.
target_compile_options(velmora_chart PRIVATE -fsanitize=fuzzer-no-link)

velmora_fuzz_target(fuzz_chart_markup ChartMarkupFuzz.cpp)
target_link_libraries(fuzz_chart_markup PRIVATE velmora_chart)
