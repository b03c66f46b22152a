# The class server's tests run against a throw-away PostgreSQL server: started before them,
# stopped after them whether they pass or fail. A cluster left by a killed run is stopped by the
# next start.
set(pg_env ${CMAKE_BINARY_DIR}/pg-test-cluster.env)
set(pg_script ${PROJECT_SOURCE_DIR}/scripts/pg-test-cluster.sh)
add_test(NAME pg_cluster_start COMMAND bash ${pg_script} start ${pg_env})
add_test(NAME pg_cluster_stop COMMAND bash ${pg_script} stop ${pg_env})
set_tests_properties(pg_cluster_start PROPERTIES FIXTURES_SETUP pg_cluster TIMEOUT 120)
set_tests_properties(pg_cluster_stop PROPERTIES FIXTURES_CLEANUP pg_cluster TIMEOUT 60)
foreach(name tst_classroles tst_classserver tst_classsync)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED pg_cluster RESOURCE_LOCK pg_cluster)
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT KAZEMARU_PG_ENV=${pg_env})
endforeach()
